// The three claim stages of ImeProcessKey: which key events the module takes from the application.
#include <string>

#include "ime/core/ime_core.h"
#include "ime/core/ime_messages.h"
#include "ime/core/soft_keyboard_layouts.h"
#include "ime/core/virtual_keys.h"

namespace kellavor::core {
namespace {

// A modifier counts as held only when it is not the key itself.
bool ModifierHeld(const platform::KeyState& keyState, uint32_t modifier, uint32_t virtualKey) {
  return virtualKey != modifier && IsHeld(keyState, modifier);
}

bool IsPunctuationKey(uint32_t virtualKey) {
  return IsDigitKey(virtualKey) || (virtualKey >= 0xBA && virtualKey <= 0xC0) ||
         (virtualKey >= 0xDB && virtualKey <= 0xDE);
}

// The characters that continue a German composition besides letters and digits.
bool ContinuesGermanWord(char16_t c) {
  constexpr std::u16string_view kCharacters = u"-_=+\\|[]{};:'\"<,>.?/%&*$#@!()";
  return kCharacters.find(c) != std::u16string_view::npos;
}

// What the key types, for a release too, so that a release is claimed exactly when its press is.
std::u16string TypedByKey(platform::InputMethodPort& port, uint32_t virtualKey, uint32_t keyFlags,
                          const platform::KeyState& keyState) {
  return port.ToAscii(virtualKey, keyFlags & ~kKeyReleased, keyState);
}

}  // namespace

bool ImeCore::ClaimsFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  const uint32_t switchKey = settings_.encnswitchkey;
  if (virtualKey != switchKey) lastSwitchKey_ = 0;
  const bool control = ModifierHeld(keyState, vk::kControl, virtualKey);
  const bool alt = ModifierHeld(keyState, vk::kMenu, virtualKey);
  const bool press = IsPress(keyFlags);
  const bool open = HasCompositionOrCandidates();

  if (!control && !alt && press && open) {
    switch (virtualKey) {
      case vk::kTab: if (settings_.pageturnbytab != 0) return true; break;
      case vk::kPrior: case vk::kNext: case vk::kEnd: case vk::kHome: case vk::kUp: case vk::kDown:
      case vk::kDelete: return true;
      case vk::kLeft: case vk::kRight: if (!IsHeld(keyState, vk::kShift)) return true; break;
      case vk::kOemPlus: case vk::kOemMinus: if (settings_.pageturnbyplus != 0) return true; break;
      default: break;
    }
  }
  switch (virtualKey) {
    case vk::kBack: case vk::kReturn: case vk::kEscape: case vk::kSpace: return open && press;
    case vk::kCapital: return true;
    default: break;
  }
  if (virtualKey == switchKey) {
    if (press) {
      lastSwitchKey_ = IsRepeat(keyFlags) ? 0 : virtualKey;
      return false;
    }
    if (lastSwitchKey_ == virtualKey && !control && !alt) return true;
    lastSwitchKey_ = 0;
    return false;
  }
  if (IsHeld(keyState, vk::kControl) && IsHeld(keyState, vk::kShift)) {
    if ((settings_.imswitchkeyenable != 0 && virtualKey == settings_.imswitchkey) ||
        (settings_.menuhotktyenable != 0 && virtualKey == settings_.menuhotkty) ||
        (settings_.softkbdhotktyenable != 0 && virtualKey == settings_.softkbdhotkty) ||
        (settings_.sthotktyenable != 0 && virtualKey == settings_.sthotkty)) {
      return true;
    }
  }
  return false;
}

bool ImeCore::ClaimsPunctuationKey(uint32_t virtualKey) {
  return (ConversionFlags() & (kCmodeSymbol | kCmodeFullShape)) != 0 && IsPunctuationKey(virtualKey);
}

bool ImeCore::ClaimsCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  if (SoftKeyboardTakes(virtualKey)) return true;
  if (IsGermanMode()) {
    if (IsLetterKey(virtualKey)) return true;
    if (composition_.empty()) return false;
    if (virtualKey >= vk::k1 && virtualKey <= vk::k9) return true;
    const std::u16string typed = TypedByKey(port_, virtualKey, keyFlags, keyState);
    return typed.size() == 1 && ContinuesGermanWord(typed[0]);
  }
  if (settings_.inputmode != kPinyinMode) return false;
  if (IsLetterKey(virtualKey)) {
    if (!composition_.empty()) return true;
    const std::u16string typed = TypedByKey(port_, virtualKey, keyFlags, keyState);
    return !(typed.size() == 1 && typed[0] >= u'A' && typed[0] <= u'Z');
  }
  return virtualKey >= vk::k1 && virtualKey <= vk::k9 && HasCompositionOrCandidates();
}

}  // namespace kellavor::core
