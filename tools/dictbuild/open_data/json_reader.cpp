#include "tools/dictbuild/open_data/json_reader.h"

#include "ime/platform/utf.h"

namespace kellavor::dictbuild {
namespace {

void AppendUtf8(std::string& out, char32_t c) {
  std::u16string units;
  if (c < 0x10000) {
    units.push_back(static_cast<char16_t>(c));
  } else {
    units.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
    units.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
  }
  out += platform::Utf16ToUtf8(units);
}

}  // namespace

void JsonReader::SkipSpace() {
  while (position_ < text_.size() && (text_[position_] == ' ' || text_[position_] == '\n' ||
                                      text_[position_] == '\r' || text_[position_] == '\t')) {
    ++position_;
  }
}

bool JsonReader::Take(char c) {
  if (!Sees(c)) return false;
  ++position_;
  return true;
}

bool JsonReader::Sees(char c) {
  SkipSpace();
  return position_ < text_.size() && text_[position_] == c;
}

std::optional<char32_t> JsonReader::ReadHex4() {
  if (text_.size() - position_ < 4) return std::nullopt;
  char32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    const char c = text_[position_++];
    value <<= 4;
    if (c >= '0' && c <= '9') {
      value |= static_cast<char32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      value |= static_cast<char32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      value |= static_cast<char32_t>(c - 'A' + 10);
    } else {
      return std::nullopt;
    }
  }
  return value;
}

std::optional<std::string> JsonReader::ReadString() {
  if (!Take('"')) return std::nullopt;
  std::string value;
  while (position_ < text_.size()) {
    const char c = text_[position_++];
    if (c == '"') return value;
    if (c != '\\') {
      value.push_back(c);
      continue;
    }
    if (position_ >= text_.size()) return std::nullopt;
    const char escape = text_[position_++];
    switch (escape) {
      case '"': case '\\': case '/': value.push_back(escape); break;
      case 'b': value.push_back('\b'); break;
      case 'f': value.push_back('\f'); break;
      case 'n': value.push_back('\n'); break;
      case 'r': value.push_back('\r'); break;
      case 't': value.push_back('\t'); break;
      case 'u': {
        std::optional<char32_t> unit = ReadHex4();
        if (!unit) return std::nullopt;
        char32_t point = *unit;
        if (point >= 0xD800 && point <= 0xDBFF && text_.substr(position_).starts_with("\\u")) {
          const size_t before = position_;
          position_ += 2;
          const std::optional<char32_t> low = ReadHex4();
          if (low && *low >= 0xDC00 && *low <= 0xDFFF) {
            point = 0x10000 + ((point - 0xD800) << 10) + (*low - 0xDC00);
          } else {
            position_ = before;
          }
        }
        if (point >= 0xD800 && point <= 0xDFFF) point = 0xFFFD;
        AppendUtf8(value, point);
        break;
      }
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

bool JsonReader::SkipValue() { return SkipValue(0); }

bool JsonReader::SkipValue(int depth) {
  if (depth >= kDeepestNesting) return false;
  SkipSpace();
  if (position_ >= text_.size()) return false;
  const char c = text_[position_];
  if (c == '"') return ReadString().has_value();
  if (c == '[' || c == '{') {
    const char close = c == '[' ? ']' : '}';
    ++position_;
    if (Take(close)) return true;
    do {
      if (c == '{' && (!ReadString() || !Take(':'))) return false;
      if (!SkipValue(depth + 1)) return false;
    } while (Take(','));
    return Take(close);
  }
  // Numbers, true, false and null: a run of the characters they are made of.
  const size_t start = position_;
  while (position_ < text_.size() &&
         std::string_view("0123456789+-.eEtruefalsn").find(text_[position_]) != std::string_view::npos) {
    ++position_;
  }
  return position_ > start;
}

}  // namespace kellavor::dictbuild
