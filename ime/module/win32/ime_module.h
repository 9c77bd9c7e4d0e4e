// The module in one process: its folders, settings, objects, windows and window classes, set up
// once on the first call of the input-method manager and taken down when the module is unloaded.
#pragma once

#include <windows.h>

#include <memory>

#include "ime/core/ime_core.h"
#include "ime/core/input_panel.h"
#include "ime/lexicon/module_lexicon.h"
#include "ime/module/module_paths.h"
#include "ime/platform/win32/win32_input_method.h"
#include "ime/settings/ime_settings.h"
#include "ime/settings/win32/ext_event_window.h"
#include "ime/ui/win32/panel_windows.h"
#include "ime/ui/win32/ui_window_parts.h"

namespace kellavor::module {

class ImeModule final : public settings::ExtEventActions {
 public:
  // In this order: prepares the folders and the user's files, loads the settings, creates the
  // external event window, the panel, the engine on the dictionaries, and registers the window
  // classes. Nothing here fails the module: what cannot be set up is left out.
  explicit ImeModule(HINSTANCE instance);
  // Unregisters the classes, destroys the event window, saves the settings, then frees the panel
  // and the engine (which saves the user dictionary). When the process is ending its windows go
  // with it and are left alone.
  ~ImeModule() override;
  ImeModule(const ImeModule&) = delete;
  ImeModule& operator=(const ImeModule&) = delete;

  // Set before the module is taken down when the process is ending.
  void SetProcessEnding() { processEnding_ = true; }

  platform::InputMethodPort& port() { return port_; }
  core::ImeCore* core() { return core_.get(); }
  const ModulePaths& paths() const { return paths_; }

  // What the external event window runs.
  void ClearUserDictionary() override;
  void SaveUserDictionary() override;
  void CloseUserDictionary() override;
  void ReopenUserDictionary() override;
  void ReleasePhraseTable() override;
  void ReloadSettings() override;
  void ReloadTheme() override;

 private:
  void SaveSettingsFile() const;

  HINSTANCE instance_;
  ModulePaths paths_;
  settings::ImeSettings settings_;
  platform::Win32InputMethod port_;
  core::InputPanel panel_;
  std::unique_ptr<ui::PanelWindows> panelWindows_;
  std::unique_ptr<lexicon::ModuleLexicon> lexicon_;
  std::unique_ptr<core::ImeCore> core_;
  ui::UiWindowParts uiParts_;
  bool processEnding_ = false;
};

}  // namespace kellavor::module
