// The two handling stages of ImeToAsciiEx: function keys (editing, paging, mode and hot keys),
// then character keys (soft keyboard, selection, punctuation, typing).
#include <string>

#include "ime/core/composition_text.h"
#include "ime/core/context_blocks.h"
#include "ime/core/ime_core.h"
#include "ime/core/ime_messages.h"
#include "ime/core/soft_keyboard_layouts.h"
#include "ime/core/virtual_keys.h"

namespace kellavor::core {

bool ImeCore::HandleFunctionKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  const bool press = IsPress(keyFlags);
  if (press) {
    switch (virtualKey) {
      case vk::kBack: DeleteBackward(); return true;
      case vk::kReturn:
      case vk::kSpace:
        if (virtualKey == RawCommitKey()) {
          CommitRaw();
          return true;
        }
        break;
      case vk::kEscape: Reset(true); return true;
      case vk::kPrior: PageUp(); return true;
      case vk::kNext: PageDown(); return true;
      case vk::kEnd: CursorEnd(); return true;
      case vk::kHome: CursorHome(); return true;
      case vk::kLeft: CursorLeft(); return true;
      case vk::kRight: CursorRight(); return true;
      case vk::kUp: HighlightPrevious(); return true;
      case vk::kDown: HighlightNext(); return true;
      case vk::kDelete: DeleteForward(); return true;
      default: break;
    }
  }

  const bool control = IsHeld(keyState, vk::kControl);
  const bool shift = IsHeld(keyState, vk::kShift);
  if (virtualKey == vk::kCapital) {
    SendToStatusWindow(kWmImeUiRepaint);
    return true;
  }
  if (virtualKey == vk::kTab && press) {
    if (shift) {
      PageUp();
    } else {
      PageDown();
    }
    return true;
  }
  const bool minus = virtualKey == vk::kOemMinus || virtualKey == vk::kSubtract;
  const bool plus = virtualKey == vk::kOemPlus || virtualKey == vk::kAdd;
  if ((minus || plus) && settings_.pageturnbyplus != 0 && HasCompositionOrCandidates() && press && !control &&
      !shift) {
    if (minus) {
      PageUp();
    } else {
      PageDown();
    }
    return true;
  }
  if (virtualKey == settings_.encnswitchkey) {
    SwitchModeByKey();
    return true;
  }

  if (control && shift && press) {
    if (settings_.imswitchkeyenable != 0 && virtualKey == settings_.imswitchkey) {
      SetInputMode(context_, IsGermanMode() ? kPinyinMode : kGermanMode);
    } else if (settings_.menuhotktyenable != 0 && virtualKey == settings_.menuhotkty) {
      SendToStatusWindow(kWmImeUiMenu);
    } else if (settings_.softkbdhotktyenable != 0 && virtualKey == settings_.softkbdhotkty) {
      SendToStatusWindow(kWmImeUiSoftKbd);
    } else if (settings_.sthotktyenable != 0 && virtualKey == settings_.sthotkty) {
      settings_.big5mode = settings_.big5mode != 0 ? 0 : 1;
      SendToStatusWindow(kWmImeUiRepaint);
    }
    return true;
  }
  return false;
}

void ImeCore::HandleCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  if (IsRelease(keyFlags)) return;

  if (SoftKeyboardTakes(virtualKey)) {
    const char16_t character = SoftKeyCharacter(settings_.softkbdid, virtualKey, IsHeld(keyState, vk::kShift));
    Commit(context_, character != 0 ? std::u16string(1, character) : std::u16string(), false);
    return;
  }

  // A letter that will be typed into an empty composition opens one.
  if (composition_.empty() && IsLetterKey(virtualKey) && port_.ToAscii(virtualKey, keyFlags, keyState).size() == 1) {
    ClearCompositionString(port_, context_);
    ClearCandidateList(port_, context_);
    messages_.GenerateMessage(context_, kWmImeStartComposition, 0, 0);
    compositionOpen_ = true;
  }

  // In sentence input Space types a blank, or, behind the end of a sentence, commits it.
  const bool sentenceSpace = IsSentenceInput() && virtualKey == vk::kSpace;
  if (sentenceSpace && EndsSentence(composition_)) {
    Commit(context_, composition_, false);
    Reset(true);
    return;
  }
  if (!sentenceSpace && SelectByKey(virtualKey, keyFlags, keyState)) return;
  if (CommitPunctuation(virtualKey, keyFlags, keyState)) return;
  if (InsertCharacter(virtualKey, keyFlags, keyState)) {
    selection_ = 0;
    panel_.SetHighlight(0);
    Search();
  }
}

void ImeCore::CommitRaw() {
  Commit(context_, SegmentTexts() + composition_, true);
  Reset(true);
}

}  // namespace kellavor::core
