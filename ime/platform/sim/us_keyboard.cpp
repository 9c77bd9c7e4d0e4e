#include "ime/platform/sim/us_keyboard.h"

#include <string_view>

#include "ime/platform/virtual_keys.h"

namespace kellavor::platform {
namespace {

using namespace vk;

constexpr uint8_t kToggled = 0x01;

// Digits 0-9 with Shift.
constexpr std::u16string_view kShiftedDigits = u")!@#$%^&*(";

struct OemKey {
  uint32_t virtualKey;
  char16_t plain;
  char16_t shifted;
  char16_t control;  // with Ctrl, 0 when the chord types nothing
};

constexpr OemKey kOemKeys[] = {
    {0xBA, u';', u':', 0},    {0xBB, u'=', u'+', 0},    {0xBC, u',', u'<', 0},    {0xBD, u'-', u'_', 0},
    {0xBE, u'.', u'>', 0},    {0xBF, u'/', u'?', 0},    {0xC0, u'`', u'~', 0},    {0xDB, u'[', u'{', 0x1B},
    {0xDC, u'\\', u'|', 0x1C}, {0xDD, u']', u'}', 0x1D}, {0xDE, u'\'', u'"', 0},
};

std::u16string One(char16_t unit) { return std::u16string(1, unit); }

// Keys that type the same with and without Shift, and with Ctrl: the numeric pad.
std::u16string NumpadCharacter(uint32_t key) {
  if (key >= kNumpad0 && key <= kNumpad9) return One(static_cast<char16_t>(u'0' + (key - kNumpad0)));
  switch (key) {
    case kMultiply: return u"*";
    case kAdd: return u"+";
    case kSubtract: return u"-";
    case kDecimal: return u".";
    case kDivide: return u"/";
    default: return {};
  }
}

std::u16string ControlCharacter(uint32_t key, bool shift) {
  if (key >= 'A' && key <= 'Z') return One(static_cast<char16_t>(key - 'A' + 1));
  switch (key) {
    case kBack: return One(0x08);
    case kReturn: return shift ? std::u16string() : One(0x0A);
    case kEscape: return One(0x1B);
    case kSpace: return One(shift ? 0x00 : 0x20);
    default: break;
  }
  if (shift) {
    if (key == k2) return One(0x00);
    if (key == k6 || key == kOemGrave) return One(0x1E);
    if (key == kOemMinus) return One(0x1F);
  }
  for (const OemKey& oem : kOemKeys) {
    if (oem.virtualKey == key && oem.control != 0) return One(oem.control);
  }
  return {};
}

}  // namespace

std::u16string UsKeyboardToAscii(uint32_t virtualKey, uint32_t scanCode, const KeyState& keyState) {
  if (IsRelease(scanCode) || virtualKey >= keyState.size()) return {};
  const bool shift = IsHeld(keyState, kShift);
  const bool control = IsHeld(keyState, kControl);
  const bool capsLock = (keyState[kCapital] & kToggled) != 0;

  if (control && IsHeld(keyState, kMenu)) return {};
  if (std::u16string numpad = NumpadCharacter(virtualKey); !numpad.empty()) return numpad;
  if (control) return ControlCharacter(virtualKey, shift);

  if (virtualKey >= 'A' && virtualKey <= 'Z') {
    const bool capital = shift != capsLock;
    return One(static_cast<char16_t>(capital ? virtualKey : virtualKey - 'A' + 'a'));
  }
  if (virtualKey >= '0' && virtualKey <= '9') {
    const size_t digit = virtualKey - '0';
    return One(shift ? kShiftedDigits[digit] : static_cast<char16_t>(u'0' + digit));
  }
  for (const OemKey& oem : kOemKeys) {
    if (oem.virtualKey == virtualKey) return One(shift ? oem.shifted : oem.plain);
  }
  switch (virtualKey) {
    case kBack: return One(0x08);
    case kTab: return One(0x09);
    case kReturn: return One(0x0D);
    case kEscape: return One(0x1B);
    case kSpace: return One(0x20);
    default: return {};
  }
}

std::optional<UsKey> UsKeyboardKeyFor(char16_t character) {
  if (character >= u'a' && character <= u'z') return UsKey{static_cast<uint32_t>(character - u'a' + 'A'), false};
  if (character >= u'A' && character <= u'Z') return UsKey{character, true};
  if (character >= u'0' && character <= u'9') return UsKey{character, false};
  if (character == u' ') return UsKey{kSpace, false};
  if (const size_t digit = kShiftedDigits.find(character); digit != std::u16string_view::npos) {
    return UsKey{static_cast<uint32_t>('0' + digit), true};
  }
  for (const OemKey& oem : kOemKeys) {
    if (oem.plain == character) return UsKey{oem.virtualKey, false};
    if (oem.shifted == character) return UsKey{oem.virtualKey, true};
  }
  return std::nullopt;
}

}  // namespace kellavor::platform
