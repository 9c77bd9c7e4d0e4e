#include "ime/module/module_objects.h"

#include <utility>

#include "ime/platform/call_guarded.h"
#include "ime/settings/ini_file.h"
#include "ime/settings/settings_store.h"

namespace kellavor::module {
namespace {

lexicon::ModuleFiles FilesOf(const ModulePaths& paths) {
  return {paths.charDictionary, paths.phraseDictionary, paths.germanDictionary,
          paths.userDictionary, paths.phraseFile,       paths.fuzzyFile,
          paths.languageModel,  paths.checkRecord};
}

// The folder prepared before anything reads from it.
const ModulePaths& Prepared(const ModulePaths& paths) {
  PrepareUserFolder(paths);
  return paths;
}

void ReadSettingsFile(settings::ImeSettings& settings, const std::u16string& path,
                      const std::function<void(settings::ImeSettings&)>& adjust) {
  settings::LoadSettings(settings, path);
  if (adjust) adjust(settings);
}

settings::ImeSettings SettingsFile(const std::u16string& path, const std::function<void(settings::ImeSettings&)>& adjust) {
  settings::ImeSettings settings;
  ReadSettingsFile(settings, path, adjust);
  return settings;
}

}  // namespace

ModuleObjects::ModuleObjects(platform::InputMethodPort& port, const ModulePaths& paths, WindowHooks hooks,
                             StartOptions options)
    : paths_(Prepared(paths)),
      hooks_(std::move(hooks)),
      adjustSettings_(std::move(options.adjustSettings)),
      settings_(SettingsFile(paths_.settingsFile, adjustSettings_)),
      panel_(port),
      lexicon_(FilesOf(paths_), settings_, std::move(options.names), std::move(options.userDictionary),
               hooks_.memoryAlarm),
      core_(port, settings_, panel_, lexicon_) {
  core_.SetSoftKeyboardWindow(hooks_.softKeyboard);
}

ModuleObjects::~ModuleObjects() {
  platform::CallGuarded(true, [&] {
    SaveSettingsFile();
    return true;
  });
}

void ModuleObjects::SaveSettingsFile() const {
  if (!paths_.settingsFile.empty()) settings::SaveSettings(settings_, paths_.settingsFile);
}

void ModuleObjects::ClearUserDictionary() { lexicon_.userDictionary().ClearUserDictionary(); }
void ModuleObjects::SaveUserDictionary() { lexicon_.userDictionary().SaveUserDictionary(); }
void ModuleObjects::CloseUserDictionary() { lexicon_.userDictionary().CloseUserDictionary(); }
void ModuleObjects::ReopenUserDictionary() { lexicon_.userDictionary().ReopenUserDictionary(); }
void ModuleObjects::ReleasePhraseTable() { lexicon_.lexicon().ReleasePhraseTable(); }

void ModuleObjects::ReloadSettings() {
  SaveSettingsFile();
  ReadSettingsFile(settings_, paths_.settingsFile, adjustSettings_);
  core_.TakePageSize();
  lexicon_.ReloadSettings();
}

void ModuleObjects::ReloadTheme() {
  settings::IniFile config;
  config.Open(paths_.settingsFile);
  settings_.usetheme = static_cast<uint32_t>(config.ReadInt(u"UI", u"usetheme", 0)) & 0xFF;
  if (hooks_.reloadTheme) hooks_.reloadTheme();
  core_.Reset(true);
}

}  // namespace kellavor::module
