// The US keyboard layout as ToAscii applies it: the characters a virtual key types under a
// keyboard state. Used by the simulated input-method manager.
#pragma once

#include <cstdint>
#include <string>

#include "ime/platform/ime_port.h"

namespace kellavor::platform {

// Empty when the key types nothing (a release, a key without a character, a chord the layout
// does not define). Shift and Caps Lock select capitals, Ctrl turns letters and a few symbol keys
// into control characters, Ctrl+Alt (AltGr) types nothing.
std::u16string UsKeyboardToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState);

}  // namespace kellavor::platform
