// One engine on the simulated input-method manager, as the module sets it up: settings with their
// defaults, the panel with its windows, the engine on a lexicon the test gives, and an application
// window whose context the module has been selected for. Keys are typed as on a US keyboard and go
// through ImeProcessKey and ImeToAsciiEx.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "ime/core/entry_points.h"
#include "ime/core/ime_core.h"
#include "ime/core/input_panel.h"
#include "ime/core/sim/sim_key_sender.h"
#include "ime/core/sim/sim_ui_windows.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/sim/sim_input_method.h"
#include "ime/platform/sim/us_keyboard.h"
#include "ime/platform/virtual_keys.h"
#include "ime/settings/settings_store.h"

namespace kellavor {

class EngineHarness {
 public:
  using Adjust = std::function<void(settings::ImeSettings&)>;
  // Makes the lexicon once the settings are loaded; the harness owns it.
  using LexiconFactory = std::function<std::unique_ptr<lexicon::LexiconPort>(const settings::ImeSettings&)>;

  explicit EngineHarness(lexicon::LexiconPort& lexicon, const Adjust& adjust = {})
      : EngineHarness(&lexicon, {}, adjust) {}
  explicit EngineHarness(const LexiconFactory& makeLexicon, const Adjust& adjust = {})
      : EngineHarness(nullptr, makeLexicon, adjust) {}

  platform::SimInputMethod& sim() { return sim_; }
  settings::ImeSettings& settings() { return settings_; }
  core::InputPanel& panel() { return panel_; }
  core::SimUiWindows& windows() { return windows_; }
  core::ImeCore& core() { return core_; }
  platform::ContextHandle context() const { return context_; }
  platform::WindowHandle app() const { return app_; }
  core::SimKeySender& keys() { return keys_; }

  uint32_t Conversion() { return sim_.GetConversionStatus(context_)->conversion; }
  void SetConversion(uint32_t flags) { sim_.SetConversionStatus(context_, {flags, 0}); }

  // Types the text character by character, capitals and shifted symbols with Shift held.
  core::KeyOutcome Type(std::u16string_view text) {
    core::KeyOutcome outcome;
    for (char16_t c : text) {
      const auto key = platform::UsKeyboardKeyFor(c);
      if (!key.has_value()) continue;
      if (key->shift) outcome = core::Joined(std::move(outcome), keys_.Press(platform::vk::kShift));
      outcome = core::Joined(std::move(outcome), keys_.Tap(key->virtualKey));
      if (key->shift) outcome = core::Joined(std::move(outcome), keys_.Release(platform::vk::kShift));
    }
    return outcome;
  }

  core::KeyOutcome Tap(uint32_t virtualKey) { return keys_.Tap(virtualKey); }

  // The key with the modifiers held around it.
  core::KeyOutcome Chord(std::initializer_list<uint32_t> modifiers, uint32_t virtualKey) {
    core::KeyOutcome outcome;
    for (uint32_t modifier : modifiers) outcome = core::Joined(std::move(outcome), keys_.Press(modifier));
    outcome = core::Joined(std::move(outcome), keys_.Tap(virtualKey));
    for (uint32_t modifier : modifiers) outcome = core::Joined(std::move(outcome), keys_.Release(modifier));
    return outcome;
  }

 private:
  EngineHarness(lexicon::LexiconPort* lexicon, const LexiconFactory& makeLexicon, const Adjust& adjust)
      : settings_(Defaults(adjust)),
        ownedLexicon_(lexicon == nullptr ? makeLexicon(settings_) : nullptr),
        panel_(sim_),
        windows_(sim_, panel_, settings_),
        core_(sim_, settings_, panel_, lexicon != nullptr ? *lexicon : *ownedLexicon_),
        app_(sim_.AddWindow(u"Edit")),
        context_(sim_.CreateContext(app_)),
        keys_(sim_, &core_, context_) {
    sim_.SetForeground(app_);
    core::ImeSelect(sim_, &core_, context_, true);
    sim_.ClearEvents();
  }

  static settings::ImeSettings Defaults(const Adjust& adjust) {
    settings::ImeSettings settings;
    settings::LoadSettings(settings, u"");
    if (adjust) adjust(settings);
    return settings;
  }

  platform::SimInputMethod sim_;
  settings::ImeSettings settings_;
  std::unique_ptr<lexicon::LexiconPort> ownedLexicon_;
  core::InputPanel panel_;
  core::SimUiWindows windows_;
  core::ImeCore core_;
  platform::WindowHandle app_;
  platform::ContextHandle context_;
  core::SimKeySender keys_;
};

}  // namespace kellavor
