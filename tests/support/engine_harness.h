// One engine on the simulated input-method manager: its objects (settings, panel, engine), the
// panel's windows, and an application window whose context the module has been selected for. Keys
// are typed as on a US keyboard and go through ImeProcessKey and ImeToAsciiEx. The objects are the
// engine alone on a lexicon the test gives, or the module's own assembly (module_engine.h).
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

  // What the harness drives, made on its simulated manager.
  class Objects {
   public:
    virtual ~Objects() = default;
    virtual settings::ImeSettings& settings() = 0;
    virtual core::InputPanel& panel() = 0;
    virtual core::ImeCore& core() = 0;
  };
  // Makes the objects with the settings adjusted once they are read.
  using MakeObjects = std::function<std::unique_ptr<Objects>(platform::SimInputMethod&, const Adjust&)>;

  // The engine alone on a lexicon the test gives, with the default settings adjusted.
  explicit EngineHarness(lexicon::LexiconPort& lexicon, const Adjust& adjust = {})
      : EngineHarness(EngineOn(lexicon), adjust) {}
  explicit EngineHarness(const MakeObjects& make, const Adjust& adjust = {})
      : objects_(make(sim_, adjust)),
        windows_(sim_, panel(), settings()),
        app_(sim_.AddWindow(u"Edit")),
        context_(sim_.CreateContext(app_)),
        keys_(sim_, &core(), context_) {
    sim_.SetForeground(app_);
    core::ImeSelect(sim_, &core(), context_, true);
    sim_.ClearEvents();
  }

  platform::SimInputMethod& sim() { return sim_; }
  Objects& objects() { return *objects_; }
  settings::ImeSettings& settings() { return objects_->settings(); }
  core::InputPanel& panel() { return objects_->panel(); }
  core::SimUiWindows& windows() { return windows_; }
  core::ImeCore& core() { return objects_->core(); }
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
  // Settings with their defaults, adjusted; the panel; the engine on the lexicon.
  class LooseEngine final : public Objects {
   public:
    LooseEngine(platform::SimInputMethod& sim, lexicon::LexiconPort& lexicon, const Adjust& adjust)
        : settings_(Defaults(adjust)), panel_(sim), core_(sim, settings_, panel_, lexicon) {}
    settings::ImeSettings& settings() override { return settings_; }
    core::InputPanel& panel() override { return panel_; }
    core::ImeCore& core() override { return core_; }

   private:
    static settings::ImeSettings Defaults(const Adjust& adjust) {
      settings::ImeSettings settings;
      settings::LoadSettings(settings, u"");
      if (adjust) adjust(settings);
      return settings;
    }

    settings::ImeSettings settings_;
    core::InputPanel panel_;
    core::ImeCore core_;
  };

  static MakeObjects EngineOn(lexicon::LexiconPort& lexicon) {
    return [&lexicon](platform::SimInputMethod& sim, const Adjust& adjust) -> std::unique_ptr<Objects> {
      return std::make_unique<LooseEngine>(sim, lexicon, adjust);
    };
  }

  platform::SimInputMethod sim_;
  std::unique_ptr<Objects> objects_;
  core::SimUiWindows windows_;
  platform::WindowHandle app_;
  platform::ContextHandle context_;
  core::SimKeySender keys_;
};

}  // namespace kellavor
