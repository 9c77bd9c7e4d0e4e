// ImeToAsciiEx's handling: the function keys (function_keys.cpp), then the character keys (soft
// keyboard, selection, punctuation, typing).
#include <string>

#include "ime/core/composition_text.h"
#include "ime/core/context_blocks.h"
#include "ime/core/ime_core.h"
#include "ime/core/soft_keyboard_layouts.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::IsHeld;
using platform::IsLetterKey;
using platform::IsRelease;
using platform::kWmImeStartComposition;

uint32_t ImeCore::HandleKey(const platform::ContextLock& context, uint32_t virtualKey, uint32_t keyFlags,
                           const platform::KeyState& keyState, void* translationList) {
  messages_.BeginTranslation(translationList);
  {
    const CallScope call(*this, context);
    if (!HandleFunctionKey(virtualKey, keyFlags, keyState)) HandleCharacterKey(virtualKey, keyFlags, keyState);
  }
  return messages_.EndTranslation();
}

void ImeCore::HandleCharacterKey(uint32_t virtualKey, uint32_t keyFlags, const platform::KeyState& keyState) {
  if (IsRelease(keyFlags)) return;

  if (SoftKeyboardTakes(virtualKey)) {
    const char16_t character =
        SoftKeyCharacter(settings_.softkbdid, virtualKey, IsHeld(keyState, vk::kShift));
    Commit(context_, character != 0 ? std::u16string(1, character) : std::u16string(), false);
    return;
  }

  // In sentence input Space types a blank, or, behind the end of a sentence, commits it.
  const bool sentenceSpace = IsSentenceInput() && virtualKey == vk::kSpace;
  if (sentenceSpace && EndsSentence(composition_)) {
    Commit(context_, composition_, false);
    Reset(true);
    return;
  }

  // Translated once; selection, punctuation and typing all go by what the key types.
  const std::u16string typed = port_.ToAscii(virtualKey, keyFlags, keyState);
  // A letter that will be typed into an empty composition opens one.
  if (composition_.empty() && IsLetterKey(virtualKey) && typed.size() == 1) {
    ClearCompositionString(port_, CallContext());
    ClearCandidateList(port_, CallContext());
    messages_.GenerateMessage(CallContext(), kWmImeStartComposition, 0, 0);
    compositionOpen_ = true;
  }
  if (!sentenceSpace && SelectByKey(virtualKey, typed)) return;
  if (CommitPunctuation(virtualKey, typed)) return;
  if (InsertCharacter(typed)) {
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
