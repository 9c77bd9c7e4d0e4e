// Key events through the real path of the input-method manager, on the simulated one: the key
// goes down or up in the keyboard state, ImeProcessKey decides, and a claimed key goes on to
// ImeToAsciiEx with a translation list of the manager's layout. What the application would see of
// the key comes back: whether the module claimed it, the messages in the list and the text the
// result strings carried.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ime/core/ime_core.h"
#include "ime/core/translation_list.h"
#include "ime/platform/sim/sim_input_method.h"

namespace kellavor::core {

struct KeyOutcome {
  bool claimed = false;
  std::vector<platform::ImeMessage> messages;
  // The result strings of the key's commits, joined; empty when it committed nothing.
  std::u16string committed;
  bool hasCommit = false;
};

class SimKeySender {
 public:
  // The translation list holds this many records, as the manager's does.
  static constexpr uint32_t kTranslationListCapacity = 256;

  SimKeySender(platform::SimInputMethod& sim, ImeCore* core, platform::ContextHandle context)
      : sim_(sim), core_(core), context_(context) {}

  // A press: the key is held from now on (a press of a held key repeats) and Caps Lock toggles.
  KeyOutcome Press(uint32_t virtualKey);
  KeyOutcome Release(uint32_t virtualKey);
  // Press and release.
  KeyOutcome Tap(uint32_t virtualKey);

 private:
  KeyOutcome Send(uint32_t virtualKey, uint32_t keyFlags);

  platform::SimInputMethod& sim_;
  ImeCore* core_;
  platform::ContextHandle context_;
  // The translation list of every key, allocated once: the engine writes the messages of the key
  // from its start and returns their count.
  TranslationListBuffer translationList_{kTranslationListCapacity};
};

// Both outcomes of a tap as one: the press's messages, then the release's.
KeyOutcome Joined(KeyOutcome first, const KeyOutcome& second);

}  // namespace kellavor::core
