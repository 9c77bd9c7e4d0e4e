// The US keyboard layout as ToAscii applies it: the characters a virtual key types under a
// keyboard state. Used by the simulated input-method manager.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ime/platform/ime_port.h"

namespace kellavor::platform {

// Empty when the key types nothing (a release, a key without a character, a chord the layout
// does not define). Shift and Caps Lock select capitals, Ctrl turns letters and a few symbol keys
// into control characters, Ctrl+Alt (AltGr) types nothing.
std::u16string UsKeyboardToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState);

// The key of the main keyboard that types a printable ASCII character, and whether Shift is held
// for it; absent for any other character.
struct UsKey {
  uint32_t virtualKey = 0;
  bool shift = false;

  friend bool operator==(const UsKey&, const UsKey&) = default;
};
std::optional<UsKey> UsKeyboardKeyFor(char16_t character);

}  // namespace kellavor::platform
