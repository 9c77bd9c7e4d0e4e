#include "ime/base/percent_encode.h"

namespace kellavor::base {
namespace {

bool KeptUnencoded(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         std::string_view("~!*()'").find(c) != std::string_view::npos;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::array<char, 2> ByteToHex(uint8_t byte) {
  constexpr char kDigits[] = "0123456789abcdef";
  return {kDigits[byte >> 4], kDigits[byte & 0x0F]};
}

std::string PercentEncode(std::string_view bytes) {
  std::string encoded;
  encoded.reserve(bytes.size());
  for (const char c : bytes) {
    if (KeptUnencoded(c)) {
      encoded.push_back(c);
    } else {
      const std::array<char, 2> hex = ByteToHex(static_cast<uint8_t>(c));
      encoded.push_back('%');
      encoded.append(hex.data(), hex.size());
    }
  }
  return encoded;
}

bool IsPercentEncoded(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (KeptUnencoded(text[i])) continue;
    if (text[i] != '%' || i + 2 >= text.size() || !IsHexDigit(text[i + 1]) || !IsHexDigit(text[i + 2])) return false;
    i += 2;
  }
  return true;
}

}  // namespace kellavor::base
