#include "ime/core/sim/sim_key_sender.h"

#include "ime/core/composition_string_block.h"
#include "ime/core/entry_points.h"
#include "ime/core/translation_list.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/virtual_keys.h"

namespace kellavor::core {

namespace vk = platform::vk;
using platform::kGcsResultStr;
using platform::kKeyReleased;
using platform::kKeyWasDown;
using platform::kWmImeComposition;

KeyOutcome SimKeySender::Press(uint32_t virtualKey) {
  const platform::KeyState before = sim_.GetKeyboardState();
  const bool wasDown = virtualKey < before.size() && (before[virtualKey] & 0x80) != 0;
  sim_.SetKeyHeld(virtualKey, true);
  if (!wasDown && virtualKey == vk::kCapital) sim_.SetKeyToggled(virtualKey, (before[virtualKey] & 0x01) == 0);
  return Send(virtualKey, wasDown ? kKeyWasDown : 0);
}

KeyOutcome SimKeySender::Release(uint32_t virtualKey) {
  sim_.SetKeyHeld(virtualKey, false);
  return Send(virtualKey, kKeyReleased | kKeyWasDown);
}

KeyOutcome SimKeySender::Tap(uint32_t virtualKey) {
  KeyOutcome press = Press(virtualKey);
  return Joined(std::move(press), Release(virtualKey));
}

KeyOutcome SimKeySender::Send(uint32_t virtualKey, uint32_t keyFlags) {
  KeyOutcome outcome;
  const platform::KeyState keyState = sim_.GetKeyboardState();
  outcome.claimed = ImeProcessKey(sim_, core_, context_, virtualKey, keyFlags << 16, keyState);
  if (!outcome.claimed) return outcome;

  const uint32_t count =
      ImeToAsciiEx(sim_, core_, virtualKey, keyFlags, keyState, translationList_.data(), 0, context_);
  const TranslationList list = translationList_.list();
  for (uint32_t i = 0; i < count; ++i) {
    const platform::ImeMessage message = list.At(i);
    outcome.messages.push_back(message);
    if (message.message != kWmImeComposition || (message.lParam & kGcsResultStr) == 0) continue;
    // The result string as the application reads it once the messages of the key arrive.
    if (const auto* fields = sim_.FindContext(context_); fields != nullptr) {
      outcome.committed += ReadResultString(sim_.BlockBytes(fields->compositionString));
      outcome.hasCommit = true;
    }
  }
  return outcome;
}

KeyOutcome Joined(KeyOutcome first, const KeyOutcome& second) {
  first.claimed = first.claimed || second.claimed;
  first.messages.insert(first.messages.end(), second.messages.begin(), second.messages.end());
  first.committed += second.committed;
  first.hasCommit = first.hasCommit || second.hasCommit;
  return first;
}

}  // namespace kellavor::core
