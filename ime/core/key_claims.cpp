// ImeProcessKey's claim: which key events the module takes from the application. The function keys
// are claimed in function_keys.cpp, punctuation and character keys here.
#include <string>

#include "ime/core/ime_core.h"
#include "ime/core/soft_keyboard_layouts.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::IsDigitKey;
using platform::IsHeld;
using platform::IsLetterKey;
using platform::kCmodeFullShape;
using platform::kCmodeSymbol;
using platform::kKeyReleased;

namespace {

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

bool ImeCore::ClaimsKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  if (ClaimsFunctionKey(virtualKey, keyFlags, keyState)) return true;
  // Ctrl chords type nothing the module takes, except Ctrl on its own.
  if (virtualKey != vk::kControl && IsHeld(keyState, vk::kControl)) return false;
  return ClaimsPunctuationKey(virtualKey) || ClaimsCharacterKey(virtualKey, keyFlags, keyState);
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
