#include "ime/module/win32/ime_module.h"

#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/call_guarded.h"
#include "ime/settings/ini_file.h"
#include "ime/settings/install_path.h"
#include "ime/settings/settings_store.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::module {

ImeModule::ImeModule(HINSTANCE instance)
    : instance_(instance),
      paths_(BuildModulePaths(settings::ReadInstallPath(), UserFolderIn(ApplicationDataFolder()))) {
  PrepareUserFolder(paths_);
  settings::LoadSettings(settings_, paths_.settingsFile);
  settings::CreateExtEventWindow(instance_, *this);
  uiParts_.settings = &settings_;
  ui::RegisterWindowClasses(instance_, {}, uiParts_);
}

ImeModule::~ImeModule() {
  if (!processEnding_) {
    ui::UnregisterWindowClasses(instance_);
    settings::DestroyExtEventWindow(instance_);
  }
  platform::CallGuarded(true, [&] {
    if (!paths_.settingsFile.empty()) settings::SaveSettings(settings_, paths_.settingsFile);
    return true;
  });
}

void ImeModule::ClearUserDictionary() {}
void ImeModule::SaveUserDictionary() {}
void ImeModule::CloseUserDictionary() {}
void ImeModule::ReopenUserDictionary() {}
void ImeModule::ReleasePhraseTable() {}

void ImeModule::ReloadSettings() {
  // The runtime state goes to the file first, so that the reload keeps it.
  if (!paths_.settingsFile.empty()) settings::SaveSettings(settings_, paths_.settingsFile);
  settings::LoadSettings(settings_, paths_.settingsFile);
}

void ImeModule::ReloadTheme() {
  settings::IniFile config;
  config.Open(paths_.settingsFile);
  settings_.usetheme = static_cast<uint32_t>(config.ReadInt(u"UI", u"usetheme", 0)) & 0xFF;
}

}  // namespace kellavor::module
