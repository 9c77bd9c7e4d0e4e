// Simplified to traditional characters, one UTF-16 unit at a time, by the module's conversion
// table: records of 4 bytes (the simplified unit, then its traditional form, both little-endian),
// sorted by the simplified unit. Characters without a record, and the halves of surrogate pairs,
// stay as they are.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kellavor::core {

// The table is taken as it is found: trailing bytes short of a record are ignored, and a table
// out of order gives wrong conversions but never reads outside its bytes.
std::u16string ToTraditional(std::u16string_view text, std::span<const uint8_t> table);

}  // namespace kellavor::core
