// The module's objects in one process, assembled in one place: the settings, the panel content,
// the dictionaries and the engine on them, made in their order at the start, reloaded in their
// order when other programs say so, saved and freed at the end. The Windows module, the console
// and the tests build on it; each lends the port it runs on and the hooks of its own windows.
#pragma once

#include <functional>

#include "ime/core/ime_core.h"
#include "ime/core/input_panel.h"
#include "ime/core/soft_keyboard_window.h"
#include "ime/lexicon/module_lexicon.h"
#include "ime/module/module_paths.h"
#include "ime/platform/ime_port.h"
#include "ime/settings/ext_event_actions.h"
#include "ime/settings/ime_settings.h"

namespace kellavor::module {

// What the front end's windows lend the objects; a front end without such a window leaves it
// empty.
struct WindowHooks {
  // The soft-keyboard window the engine makes anew for a context that has the soft keyboard on.
  core::SoftKeyboardWindow* softKeyboard = nullptr;
  // Tells the user that the shared user dictionary has no room left.
  lexicon::UserDictionary::MemoryAlarm memoryAlarm;
  // Reads the windows' skins again after a theme change.
  std::function<void()> reloadTheme;
};

// What the console and the tests choose that the module does not: names of their own for the
// shared memory, and settings of their own on top of the file.
struct StartOptions {
  lexicon::SystemMappingNames names;
  lexicon::UserDictionaryOptions userDictionary;
  // Applied to the settings after every reading of the settings file.
  std::function<void(settings::ImeSettings&)> adjustSettings;
};

class ModuleObjects final : public settings::ExtEventActions {
 public:
  // The start, in this order: the user folder prepared (PrepareUserFolder), the settings read
  // from its config.ini, the panel, the dictionaries (ModuleLexicon) and the engine on them.
  // port and the hooks' objects must outlive this one.
  ModuleObjects(platform::InputMethodPort& port, const ModulePaths& paths, WindowHooks hooks = {},
                StartOptions options = {});
  // The end: the runtime state saved to config.ini, then the engine, the dictionaries (which save
  // the user dictionary) and the panel freed.
  ~ModuleObjects() override;
  ModuleObjects(const ModuleObjects&) = delete;
  ModuleObjects& operator=(const ModuleObjects&) = delete;

  const ModulePaths& paths() const { return paths_; }
  settings::ImeSettings& settings() { return settings_; }
  core::InputPanel& panel() { return panel_; }
  lexicon::ModuleLexicon& lexicon() { return lexicon_; }
  core::ImeCore& core() { return core_; }

  // The external event window's messages. The user-dictionary messages act on this process's
  // view of the shared dictionary.
  void ClearUserDictionary() override;
  void SaveUserDictionary() override;
  void CloseUserDictionary() override;
  void ReopenUserDictionary() override;
  void ReleasePhraseTable() override;
  // The runtime state saved first, so that the reload keeps it; then every key read again, the
  // page size taken anew, the fuzzy pairs and the custom phrases reloaded. The composition in
  // progress and the windows stay as they are.
  void ReloadSettings() override;
  // usetheme alone read again, the windows' skins reloaded, the composition abandoned with
  // notification.
  void ReloadTheme() override;

 private:
  void SaveSettingsFile() const;

  ModulePaths paths_;
  WindowHooks hooks_;
  std::function<void(settings::ImeSettings&)> adjustSettings_;
  settings::ImeSettings settings_;
  core::InputPanel panel_;
  lexicon::ModuleLexicon lexicon_;
  core::ImeCore core_;
};

}  // namespace kellavor::module
