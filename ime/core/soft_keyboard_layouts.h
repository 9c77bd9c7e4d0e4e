// The fourteen soft-keyboard layouts: for each of the 47 character keys of the keyboard, the
// character a layout types without and with Shift.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace kellavor::core {

inline constexpr size_t kSoftKeyboardLayouts = 14;
inline constexpr size_t kSoftKeyboardKeys = 47;
inline constexpr size_t kSoftKeyboardNameUnits = 16;
// One record: the name (NUL-padded), the 47 characters without Shift, the 47 with Shift; a unit
// of 0 stands for a key without a character.
inline constexpr size_t kSoftKeyboardRecordUnits = kSoftKeyboardNameUnits + 2 * kSoftKeyboardKeys;

// The whole table, record n holding layout n.
std::span<const char16_t, kSoftKeyboardLayouts * kSoftKeyboardRecordUnits> SoftKeyboardTable();

// The layout's name, as the status menu shows it; empty for a layout beyond the table.
std::u16string_view SoftKeyboardName(uint32_t layout);

// The key is one of the 47: digits 0-9, letters A-Z, 0xBA-0xC0 and 0xDB-0xDE.
bool IsSoftKeyboardKey(uint32_t virtualKey);

// The character the layout gives for the key, or 0 when the key is not one of the 47, the layout
// is beyond the table, or the layout gives the key no character.
char16_t SoftKeyCharacter(uint32_t layout, uint32_t virtualKey, bool shifted);

}  // namespace kellavor::core
