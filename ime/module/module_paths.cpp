#include "ime/module/module_paths.h"

#include <array>

#include "ime/module/create_directory_chain.h"
#include "ime/platform/file_system.h"

namespace kellavor::module {
namespace {

using platform::kPathSeparator;

constexpr std::array<std::u16string_view, 4> kShippedUserFiles = {u"config.ini", u"custom.ini", u"mohuyin.Ini",
                                                                  u"data_us.bin"};

// Whether an earlier start prepared the folder: its themes folder and every shipped file are
// there. A handful of queries, where preparing again tries each folder along the path and opens
// every file pair, a few dozen calls to the file system that change nothing.
bool AlreadyPrepared(const ModulePaths& paths) {
  if (!platform::FileExists(paths.userFolder + u"themes")) return false;
  for (std::u16string_view name : kShippedUserFiles) {
    if (!platform::FileExists(paths.userFolder + std::u16string(name))) return false;
  }
  return true;
}

}  // namespace

std::optional<std::u16string> UserFolderIn(const std::u16string& applicationData) {
  if (applicationData.empty()) return std::nullopt;
  std::u16string folder = applicationData;
  if (!platform::IsPathSeparator(folder.back())) folder += kPathSeparator;
  folder += u"Ombrelune";
  folder += kPathSeparator;
  folder += u"KellavorIME";
  folder += kPathSeparator;
  if (folder.size() > kMaxUserFolderLength) return std::nullopt;
  return folder;
}

ModulePaths BuildModulePaths(const std::u16string& installFolder, const std::optional<std::u16string>& userFolder) {
  ModulePaths paths;
  paths.installFolder = installFolder;
  paths.charDictionary = installFolder + u"data_si.bin";
  paths.phraseDictionary = installFolder + u"data_ph.bin";
  paths.germanDictionary = installFolder + u"data_de.bin";
  paths.languageModel = installFolder + u"data_lm.bin";
  if (!userFolder) return paths;
  paths.userFolder = *userFolder;
  paths.themeFolder = paths.userFolder + u"theme" + kPathSeparator;
  paths.themeSettingsFile = paths.themeFolder + u"theme.ini";
  paths.settingsFile = paths.userFolder + u"config.ini";
  paths.phraseFile = paths.userFolder + u"custom.ini";
  paths.fuzzyFile = paths.userFolder + u"mohuyin.Ini";
  paths.userDictionary = paths.userFolder + u"data_us.bin";
  paths.checkRecord = paths.userFolder + u"checked_files.bin";
  return paths;
}

void PrepareUserFolder(const ModulePaths& paths) {
  if (paths.userFolder.empty() || AlreadyPrepared(paths)) return;
  CreateDirectoryChain(paths.userFolder);
  CreateDirectoryChain(paths.userFolder + u"themes" + kPathSeparator);
  for (std::u16string_view name : kShippedUserFiles) {
    platform::CopyFileIfAbsent(paths.installFolder + std::u16string(name), paths.userFolder + std::u16string(name));
  }
}

}  // namespace kellavor::module
