// Percent-encoding of bytes for web addresses, as the word-detail page builds them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kellavor::base {

// The byte's high and low half, each as 0-9 or lower-case a-f.
std::array<char, 2> ByteToHex(uint8_t byte);

// Keeps 0-9, A-Z, a-z and ~ ! * ( ) ' unchanged and writes every other byte as '%' and its two
// lower-case hex digits ('-' becomes "%2d", a space "%20").
std::string PercentEncode(std::string_view bytes);

// Whether text could have come from PercentEncode: kept bytes, and '%' only before two hex digits
// (of either case).
bool IsPercentEncoded(std::string_view text);

}  // namespace kellavor::base
