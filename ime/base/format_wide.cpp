#include "ime/base/format_wide.h"

#include <algorithm>

namespace kellavor::base {
namespace {

// Puts units into the buffer while room is left, always keeping one unit for the NUL.
class BoundedWriter {
 public:
  explicit BoundedWriter(std::span<char16_t> buffer) : buffer_(buffer) {}

  void Put(char16_t c) {
    if (written_ + 1 < buffer_.size()) buffer_[written_++] = c;
  }
  void Put(std::u16string_view text) {
    for (const char16_t c : text) Put(c);
  }
  void Repeat(char16_t c, size_t times) {
    for (size_t i = 0; i < times; ++i) Put(c);
  }
  int Finish() {
    if (!buffer_.empty()) buffer_[written_] = u'\0';
    return static_cast<int>(written_);
  }

 private:
  std::span<char16_t> buffer_;
  size_t written_ = 0;
};

struct Conversion {
  bool leftJustify = false;
  bool zeroPad = false;
  size_t width = 0;
  char16_t type = 0;
};

// Widths beyond any buffer the module uses are cut here, so a long digit run cannot overflow.
constexpr size_t kMaxWidth = 65535;

uint64_t AsUnsigned(const FormatArgument& argument) {
  if (argument.kind == FormatArgument::Kind::kSigned && argument.bytes < sizeof(uint64_t)) {
    return argument.integer & ((uint64_t{1} << (argument.bytes * 8)) - 1);
  }
  return argument.integer;
}

// Digits of value in the given base, most significant first, written backwards into digits.
std::u16string_view Digits(uint64_t value, unsigned base, bool upperCase, std::span<char16_t, 24> digits) {
  const char16_t* alphabet = upperCase ? u"0123456789ABCDEF" : u"0123456789abcdef";
  size_t start = digits.size();
  do {
    digits[--start] = alphabet[value % base];
    value /= base;
  } while (value != 0);
  return std::u16string_view(digits.data() + start, digits.size() - start);
}

void PutPadded(BoundedWriter& out, const Conversion& conversion, std::u16string_view sign,
               std::u16string_view body, bool numeric) {
  const size_t length = sign.size() + body.size();
  const size_t padding = conversion.width > length ? conversion.width - length : 0;
  if (conversion.leftJustify) {
    out.Put(sign);
    out.Put(body);
    out.Repeat(u' ', padding);
  } else if (conversion.zeroPad && numeric) {
    out.Put(sign);
    out.Repeat(u'0', padding);
    out.Put(body);
  } else {
    out.Repeat(u' ', padding);
    out.Put(sign);
    out.Put(body);
  }
}

void PutConversion(BoundedWriter& out, const Conversion& conversion, const FormatArgument* argument) {
  if (argument == nullptr) return;
  const bool isText = argument->kind == FormatArgument::Kind::kText;
  std::array<char16_t, 24> digits;
  switch (conversion.type) {
    case u's':
    case u'S':
      if (isText) PutPadded(out, conversion, {}, argument->text, false);
      return;
    case u'c':
      if (!isText) {
        const char16_t unit = static_cast<char16_t>(argument->integer);
        PutPadded(out, conversion, {}, std::u16string_view(&unit, 1), false);
      }
      return;
    case u'd':
    case u'i':
      if (isText) return;
      if (argument->kind == FormatArgument::Kind::kSigned && static_cast<int64_t>(argument->integer) < 0) {
        // Negating in unsigned arithmetic is exact even for the most negative value.
        PutPadded(out, conversion, u"-", Digits(0 - argument->integer, 10, false, digits), true);
      } else {
        PutPadded(out, conversion, {}, Digits(argument->integer, 10, false, digits), true);
      }
      return;
    case u'u':
      if (!isText) PutPadded(out, conversion, {}, Digits(AsUnsigned(*argument), 10, false, digits), true);
      return;
    case u'x':
    case u'X':
      if (!isText) {
        PutPadded(out, conversion, {}, Digits(AsUnsigned(*argument), 16, conversion.type == u'X', digits), true);
      }
      return;
    default:
      return;
  }
}

bool IsConversionType(char16_t c) { return std::u16string_view(u"diuxXcsS").find(c) != std::u16string_view::npos; }
bool IsLengthModifier(char16_t c) { return std::u16string_view(u"hlLjzt").find(c) != std::u16string_view::npos; }

}  // namespace

int FormatWideArguments(std::span<char16_t> buffer, std::u16string_view format,
                        std::span<const FormatArgument> arguments) {
  BoundedWriter out(buffer);
  size_t nextArgument = 0;
  size_t i = 0;
  while (i < format.size()) {
    if (format[i] != u'%') {
      out.Put(format[i++]);
      continue;
    }
    const size_t start = i++;
    Conversion conversion;
    for (; i < format.size() && (format[i] == u'-' || format[i] == u'0'); ++i) {
      (format[i] == u'-' ? conversion.leftJustify : conversion.zeroPad) = true;
    }
    for (; i < format.size() && format[i] >= u'0' && format[i] <= u'9'; ++i) {
      conversion.width = std::min(conversion.width * 10 + static_cast<size_t>(format[i] - u'0'), kMaxWidth);
    }
    while (i < format.size() && IsLengthModifier(format[i])) ++i;
    if (i == format.size()) {
      out.Put(format.substr(start));
      break;
    }
    conversion.type = format[i++];
    if (conversion.type == u'%') {
      out.Put(u'%');
    } else if (IsConversionType(conversion.type)) {
      const FormatArgument* argument = nextArgument < arguments.size() ? &arguments[nextArgument] : nullptr;
      ++nextArgument;
      PutConversion(out, conversion, argument);
    } else {
      out.Put(format.substr(start, i - start));
    }
  }
  return out.Finish();
}

}  // namespace kellavor::base
