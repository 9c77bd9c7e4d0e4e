// The engine in a terminal: the module's objects on the simulated input-method manager, one
// application window taking the text, and keys of a script or of the keyboard going through
// ImeProcessKey and ImeToAsciiEx, press and release, as the manager hands them over.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/core/ime_core.h"
#include "ime/core/input_panel.h"
#include "ime/core/sim/sim_key_sender.h"
#include "ime/core/sim/sim_ui_windows.h"
#include "ime/module/module_objects.h"
#include "ime/platform/sim/sim_input_method.h"
#include "ime/settings/ime_settings.h"
#include "tools/console/key_script.h"

namespace kellavor::console {

// A setting given on the command line: SECTION.KEY=VALUE.
struct SettingOverride {
  std::u16string section;
  std::u16string key;
  std::u16string value;
};

// Absent when the text is not of the form SECTION.KEY=VALUE.
std::optional<SettingOverride> ParseSettingOverride(std::string_view text);

struct SessionOptions {
  std::u16string dataFolder;  // the installation folder, ending with a separator
  std::u16string userFolder;  // the user folder, ending with a separator; created when missing
  std::vector<SettingOverride> overrides;  // for this session only; config.ini keeps its values
  // Appended to the names of the shared dictionaries and the user dictionary: a run of its own
  // shares them with no other process. Empty: the module's names.
  std::u16string sharedNameSuffix;
};

// What one key did.
struct KeyStep {
  ScriptKey key;
  bool claimed = false;
  bool hasCommit = false;
  std::u16string commit;  // what the module committed
  std::u16string passed;  // what reached the application unclaimed
};

class ConsoleSession {
 public:
  // Starts the module's objects on the folders (the user folder prepared as the module does),
  // with the overrides on top of the user's settings.
  explicit ConsoleSession(const SessionOptions& options);
  // The objects write the runtime settings back to the user's config.ini.
  ~ConsoleSession() = default;
  ConsoleSession(const ConsoleSession&) = delete;
  ConsoleSession& operator=(const ConsoleSession&) = delete;

  // The key with its modifiers held around it; {Shift} alone is Shift tapped alone.
  KeyStep Press(const ScriptKey& key);

  const settings::ImeSettings& settings() const { return objects_->settings(); }
  const core::InputPanel& panel() const { return objects_->panel(); }
  const core::ImeCore& engine() const { return objects_->core(); }
  // The text the application holds: commits and unclaimed typing, Backspace taken into account.
  const std::u16string& text() const { return text_; }
  // The number of candidate pages of the current list.
  int32_t PageCount() const;

 private:
  void ApplyToText(const KeyStep& step, uint32_t virtualKey);

  platform::SimInputMethod sim_;
  std::unique_ptr<module::ModuleObjects> objects_;
  std::unique_ptr<core::SimUiWindows> windows_;
  platform::WindowHandle app_ = nullptr;
  platform::ContextHandle context_ = nullptr;
  std::unique_ptr<core::SimKeySender> keys_;
  std::u16string text_;
};

}  // namespace kellavor::console
