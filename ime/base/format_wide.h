// printf-like formatting of UTF-16 text into a caller's buffer, the same on every platform.
//
// FormatWide(buffer, format, arguments...) never writes past the buffer: output that does not fit
// is cut, and a buffer of at least one unit always ends with a NUL. The result is the number of
// units written, not counting the NUL.
//
// A conversion is '%', optional flags '-' (left-justify) and '0' (pad numbers with zeros), an
// optional decimal width, optional length modifiers (h l ll L j z t, accepted and ignored because
// the arguments carry their own types), and one of:
//   d i    signed decimal (an unsigned argument prints as unsigned)
//   u      unsigned decimal; a negative argument prints as the unsigned of its own width
//   x X    hexadecimal, lower or upper case, unsigned as for u
//   c      the UTF-16 unit given as an integer
//   s S    text: std::u16string, std::u16string_view or a NUL-terminated const char16_t* (null
//          prints nothing)
//   %      a '%' (consumes no argument)
// A conversion whose argument is missing or of the other kind (text for a number, a number for
// text) writes nothing; surplus arguments are ignored; an unknown conversion is copied as it
// stands.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kellavor::base {

// One formatting argument: an integer with its signedness and width, or a text. The constructors
// are implicit so that FormatWide can turn each of its arguments into one.
struct FormatArgument {
  enum class Kind { kSigned, kUnsigned, kText };

  template <std::signed_integral T>
  FormatArgument(T value)
      : kind(Kind::kSigned), integer(static_cast<uint64_t>(static_cast<int64_t>(value))), bytes(sizeof(T)) {}
  template <std::unsigned_integral T>
  FormatArgument(T value)
      : kind(Kind::kUnsigned), integer(value), bytes(sizeof(T)) {}
  FormatArgument(const char16_t* value)
      : kind(Kind::kText), text(value != nullptr ? std::u16string_view(value) : std::u16string_view()) {}
  FormatArgument(std::u16string_view value)
      : kind(Kind::kText), text(value) {}

  Kind kind;
  uint64_t integer = 0;  // two's complement for kSigned
  size_t bytes = 0;      // width of the integer argument's type
  std::u16string_view text;
};

int FormatWideArguments(std::span<char16_t> buffer, std::u16string_view format,
                        std::span<const FormatArgument> arguments);

template <typename... Arguments>
int FormatWide(std::span<char16_t> buffer, std::u16string_view format, const Arguments&... arguments) {
  const std::array<FormatArgument, sizeof...(Arguments)> list{FormatArgument(arguments)...};
  return FormatWideArguments(buffer, format, list);
}

}  // namespace kellavor::base
