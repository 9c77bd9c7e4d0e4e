// Virtual keys the engine and the simulated keyboard tell apart, and the two views of a key event
// the manager gives: the key flags (scan code with the transition bits) and the 256-byte keyboard
// state.
#pragma once

#include <cstdint>

#include "ime/platform/ime_port.h"

namespace kellavor::platform {

namespace vk {
inline constexpr uint32_t kBack = 0x08;
inline constexpr uint32_t kTab = 0x09;
inline constexpr uint32_t kReturn = 0x0D;
inline constexpr uint32_t kShift = 0x10;
inline constexpr uint32_t kControl = 0x11;
inline constexpr uint32_t kMenu = 0x12;  // Alt
inline constexpr uint32_t kCapital = 0x14;
inline constexpr uint32_t kEscape = 0x1B;
inline constexpr uint32_t kSpace = 0x20;
inline constexpr uint32_t kPrior = 0x21;  // Page Up
inline constexpr uint32_t kNext = 0x22;   // Page Down
inline constexpr uint32_t kEnd = 0x23;
inline constexpr uint32_t kHome = 0x24;
inline constexpr uint32_t kLeft = 0x25;
inline constexpr uint32_t kUp = 0x26;
inline constexpr uint32_t kRight = 0x27;
inline constexpr uint32_t kDown = 0x28;
inline constexpr uint32_t kDelete = 0x2E;
inline constexpr uint32_t k0 = 0x30;
inline constexpr uint32_t k1 = 0x31;
inline constexpr uint32_t k2 = 0x32;
inline constexpr uint32_t k6 = 0x36;
inline constexpr uint32_t k9 = 0x39;
inline constexpr uint32_t kA = 0x41;
inline constexpr uint32_t kV = 0x56;
inline constexpr uint32_t kZ = 0x5A;
inline constexpr uint32_t kNumpad0 = 0x60;
inline constexpr uint32_t kNumpad9 = 0x69;
inline constexpr uint32_t kMultiply = 0x6A;  // numeric-pad times
inline constexpr uint32_t kAdd = 0x6B;       // numeric-pad plus
inline constexpr uint32_t kSubtract = 0x6D;  // numeric-pad minus
inline constexpr uint32_t kDecimal = 0x6E;   // numeric-pad point
inline constexpr uint32_t kDivide = 0x6F;    // numeric-pad slash
inline constexpr uint32_t kOemPlus = 0xBB;   // the "=" key
inline constexpr uint32_t kOemMinus = 0xBD;  // the "-" key
inline constexpr uint32_t kOemGrave = 0xC0;  // the "`" key
}  // namespace vk

// Bit 15 of the key flags marks a release, bit 14 a key that was already down (auto-repeat).
inline constexpr uint32_t kKeyReleased = 0x8000;
inline constexpr uint32_t kKeyWasDown = 0x4000;

inline bool IsRelease(uint32_t keyFlags) { return (keyFlags & kKeyReleased) != 0; }
inline bool IsPress(uint32_t keyFlags) { return !IsRelease(keyFlags); }
inline bool IsRepeat(uint32_t keyFlags) { return (keyFlags & kKeyWasDown) != 0; }

inline bool IsHeld(const KeyState& keyState, uint32_t virtualKey) {
  return virtualKey < keyState.size() && (keyState[virtualKey] & 0x80) != 0;
}

inline bool IsLetterKey(uint32_t virtualKey) { return virtualKey >= vk::kA && virtualKey <= vk::kZ; }
inline bool IsDigitKey(uint32_t virtualKey) { return virtualKey >= vk::k0 && virtualKey <= vk::k9; }

}  // namespace kellavor::platform
