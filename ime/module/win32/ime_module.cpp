#include "ime/module/win32/ime_module.h"

#include "ime/module/win32/application_data_folder.h"
#include "ime/platform/call_guarded.h"
#include "ime/settings/ini_file.h"
#include "ime/settings/install_path.h"
#include "ime/settings/settings_store.h"
#include "ime/ui/win32/memory_alarm.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::module {
namespace {

lexicon::ModuleFiles FilesOf(const ModulePaths& paths) {
  return {paths.charDictionary, paths.phraseDictionary, paths.germanDictionary,
          paths.userDictionary, paths.phraseFile,       paths.fuzzyFile};
}

void ShowFullUserDictionary() { ui::ShowMemoryAlarm(u"ERROR_NOT_ENOUGH_MEMORY", 10, 10); }

}  // namespace

ImeModule::ImeModule(HINSTANCE instance)
    : instance_(instance),
      paths_(BuildModulePaths(settings::ReadInstallPath(), UserFolderIn(ApplicationDataFolder()))),
      panel_(port_) {
  PrepareUserFolder(paths_);
  settings::LoadSettings(settings_, paths_.settingsFile);
  settings::CreateExtEventWindow(instance_, *this);
  try {
    panelWindows_ = std::make_unique<ui::PanelWindows>(
        instance_, panel_, settings_,
        ui::PanelFolders{paths_.installFolder, paths_.userFolder,
                         paths_.themeFolder.empty() ? u"" : paths_.themeFolder + u"\\"});
    lexicon_ = std::make_unique<lexicon::ModuleLexicon>(FilesOf(paths_), settings_, lexicon::SystemMappingNames{},
                                                        lexicon::UserDictionaryOptions{}, &ShowFullUserDictionary);
    core_ = std::make_unique<core::ImeCore>(port_, settings_, panel_, *lexicon_);
  } catch (...) {
    // The event window must not outlive the actions it was given.
    settings::DestroyExtEventWindow(instance_);
    throw;
  }
  uiParts_.settings = &settings_;
  uiParts_.inputPanel = panelWindows_.get();
  ui::RegisterWindowClasses(instance_, ui::PanelWindowProcedures(), uiParts_);
}

ImeModule::~ImeModule() {
  if (!processEnding_) {
    ui::UnregisterWindowClasses(instance_);
    settings::DestroyExtEventWindow(instance_);
  }
  platform::CallGuarded(true, [&] {
    SaveSettingsFile();
    return true;
  });
  panelWindows_.reset();
  core_.reset();
  lexicon_.reset();
}

void ImeModule::SaveSettingsFile() const {
  if (!paths_.settingsFile.empty()) settings::SaveSettings(settings_, paths_.settingsFile);
}

void ImeModule::ClearUserDictionary() { lexicon_->userDictionary().ClearUserDictionary(); }
void ImeModule::SaveUserDictionary() { lexicon_->userDictionary().SaveUserDictionary(); }
void ImeModule::CloseUserDictionary() { lexicon_->userDictionary().CloseUserDictionary(); }
void ImeModule::ReopenUserDictionary() { lexicon_->userDictionary().ReopenUserDictionary(); }
void ImeModule::ReleasePhraseTable() { lexicon_->lexicon().ReleasePhraseTable(); }

void ImeModule::ReloadSettings() {
  // The runtime state goes to the file first, so that the reload keeps it.
  SaveSettingsFile();
  settings::LoadSettings(settings_, paths_.settingsFile);
  core_->TakePageSize();
  lexicon_->ReloadSettings();
}

void ImeModule::ReloadTheme() {
  settings::IniFile config;
  config.Open(paths_.settingsFile);
  settings_.usetheme = static_cast<uint32_t>(config.ReadInt(u"UI", u"usetheme", 0)) & 0xFF;
  panelWindows_->ReloadTheme();
  core_->Reset(true);
}

}  // namespace kellavor::module
