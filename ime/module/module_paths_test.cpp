#include "ime/module/module_paths.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/test_folder.h"

namespace kellavor::module {
namespace {

using platform::kPathSeparator;

std::u16string Sep() { return std::u16string(1, kPathSeparator); }

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(ModulePathsTest, UserFolderLiesInsideTheApplicationDataFolder) {
  const std::u16string expected = u"data" + Sep() + u"Ombrelune" + Sep() + u"KellavorIME" + Sep();
  EXPECT_EQ(UserFolderIn(u"data"), expected);
  EXPECT_EQ(UserFolderIn(u"data" + Sep()), expected);
  EXPECT_EQ(UserFolderIn(u""), std::nullopt);
}

TEST(ModulePathsTest, UserFolderLongerThanItsLimitIsRefused) {
  const std::u16string suffix = Sep() + u"Ombrelune" + Sep() + u"KellavorIME" + Sep();
  const std::u16string fits(kMaxUserFolderLength - suffix.size(), u'a');
  ASSERT_TRUE(UserFolderIn(fits).has_value());
  EXPECT_EQ(UserFolderIn(fits)->size(), kMaxUserFolderLength);
  EXPECT_EQ(UserFolderIn(fits + u"a"), std::nullopt);
}

TEST(ModulePathsTest, EveryFileHasItsFolder) {
  const std::u16string user = u"u" + Sep();
  const ModulePaths paths = BuildModulePaths(u"i" + Sep(), user);
  EXPECT_EQ(paths.themeFolder, user + u"theme" + Sep());
  EXPECT_EQ(paths.themeSettingsFile, user + u"theme" + Sep() + u"theme.ini");
  EXPECT_EQ(paths.settingsFile, user + u"config.ini");
  EXPECT_EQ(paths.phraseFile, user + u"custom.ini");
  EXPECT_EQ(paths.fuzzyFile, user + u"mohuyin.Ini");
  EXPECT_EQ(paths.userDictionary, user + u"data_us.bin");
  EXPECT_EQ(paths.charDictionary, u"i" + Sep() + u"data_si.bin");
  EXPECT_EQ(paths.phraseDictionary, u"i" + Sep() + u"data_ph.bin");
  EXPECT_EQ(paths.germanDictionary, u"i" + Sep() + u"data_de.bin");
}

TEST(ModulePathsTest, WithoutInstallFolderTheDictionariesAreBareNames) {
  const ModulePaths paths = BuildModulePaths(u"", std::nullopt);
  EXPECT_EQ(paths.charDictionary, u"data_si.bin");
  EXPECT_EQ(paths.germanDictionary, u"data_de.bin");
  EXPECT_TRUE(paths.userFolder.empty());
  EXPECT_TRUE(paths.settingsFile.empty()) << "no file of the user folder without a user folder";
}

class PrepareUserFolderTest : public testing::Test {
 protected:
  PrepareUserFolderTest() : root_("prepare_user_folder") {
    std::filesystem::create_directories(root_.Native() / "install");
    for (const char* name : {"config.ini", "custom.ini", "mohuyin.Ini", "data_us.bin"}) {
      WriteText(root_.Native() / "install" / name, std::string("shipped ") + name);
    }
    paths_ = BuildModulePaths(root_.Path(u"install") + Sep(), UserFolderIn(root_.Path(u"appdata")));
  }

  std::filesystem::path UserFolder() const { return root_.Native() / "appdata" / "Ombrelune" / "KellavorIME"; }

  TestFolder root_;
  ModulePaths paths_;
};

TEST_F(PrepareUserFolderTest, FirstStartCreatesTheFoldersAndCopiesTheShippedFiles) {
  PrepareUserFolder(paths_);
  EXPECT_TRUE(std::filesystem::is_directory(UserFolder() / "themes"));
  EXPECT_FALSE(std::filesystem::exists(UserFolder() / "theme")) << "the theme folder is made by the theme installer";
  for (const char* name : {"config.ini", "custom.ini", "mohuyin.Ini", "data_us.bin"}) {
    EXPECT_EQ(ReadText(UserFolder() / name), std::string("shipped ") + name);
  }
}

TEST_F(PrepareUserFolderTest, LaterStartsKeepTheUsersOwnFiles) {
  PrepareUserFolder(paths_);
  WriteText(UserFolder() / "config.ini", "edited");
  std::filesystem::remove(UserFolder() / "custom.ini");
  PrepareUserFolder(paths_);
  EXPECT_EQ(ReadText(UserFolder() / "config.ini"), "edited");
  EXPECT_EQ(ReadText(UserFolder() / "custom.ini"), "shipped custom.ini") << "a missing file is copied again";
}

TEST_F(PrepareUserFolderTest, MissingShippedFilesAreSkipped) {
  std::filesystem::remove(root_.Native() / "install" / "data_us.bin");
  PrepareUserFolder(paths_);
  EXPECT_FALSE(std::filesystem::exists(UserFolder() / "data_us.bin"));
  EXPECT_EQ(ReadText(UserFolder() / "mohuyin.Ini"), "shipped mohuyin.Ini");
}

}  // namespace
}  // namespace kellavor::module
