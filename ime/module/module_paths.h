// The folders of the module and the files it keeps in them: the install folder that setup
// recorded, and the user folder under the user's application-data folder.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace kellavor::module {

// The user folder holds at most this many units; a longer one is refused.
inline constexpr size_t kMaxUserFolderLength = 259;

struct ModulePaths {
  std::u16string installFolder;       // a plain prefix, ending with a separator (or empty)
  std::u16string userFolder;          // application data + "Ombrelune" + "KellavorIME", ending with a separator
  std::u16string themeFolder;         // user folder + "theme"
  std::u16string themeSettingsFile;   // theme folder + "theme.ini"
  std::u16string settingsFile;        // user folder + "config.ini"
  std::u16string phraseFile;          // user folder + "custom.ini"
  std::u16string fuzzyFile;           // user folder + "mohuyin.Ini"
  std::u16string userDictionary;      // user folder + "data_us.bin"
  std::u16string checkRecord;         // user folder + "checked_files.bin", the dictionary files checked
  std::u16string charDictionary;      // install folder + "data_si.bin"
  std::u16string phraseDictionary;    // install folder + "data_ph.bin"
  std::u16string germanDictionary;    // install folder + "data_de.bin"
  std::u16string languageModel;       // install folder + "data_lm.bin"
};

// The user folder inside the application-data folder; absent when there is no application-data
// folder or the result would be longer than kMaxUserFolderLength.
std::optional<std::u16string> UserFolderIn(const std::u16string& applicationData);

// Every path of the module. Without a user folder the paths inside it are empty.
ModulePaths BuildModulePaths(const std::u16string& installFolder, const std::optional<std::u16string>& userFolder);

// The first start in a user account: creates the user folder and its "themes" folder and copies
// the shipped config.ini, custom.ini, mohuyin.Ini and data_us.bin from the install folder. A file
// that is already there is never replaced, so the user's own files survive every later start.
// Failures are passed over. Nothing happens without a user folder.
void PrepareUserFolder(const ModulePaths& paths);

}  // namespace kellavor::module
