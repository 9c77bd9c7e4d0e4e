// The installed theme packages and the start of the theme installer.
#include "ime/ui/win32/theme_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "tests/support/test_folder.h"

namespace kellavor::ui {
namespace {

TEST(ThemeFiles, PackagesOfBothFoldersAreListedAndTheCurrentOneFound) {
  TestFolder root("theme_files_list");
  std::filesystem::create_directories(root.Native() / "install" / "themes" / "Folder.thm");
  std::filesystem::create_directories(root.Native() / "user" / "themes");
  std::filesystem::create_directories(root.Native() / "user" / "theme");
  std::ofstream(root.Native() / "install" / "themes" / "Red.thm") << "x";
  std::ofstream(root.Native() / "user" / "themes" / "Blue.thm") << "x";
  std::ofstream(root.Native() / "user" / "themes" / "notes.txt") << "x";
  std::ofstream(root.Native() / "user" / "theme" / "theme.ini") << "[General]\r\nNAME=blue\r\n";
  std::vector<std::u16string> paths;
  std::vector<std::u16string> names;
  const int current = ListThemes(root.Path(u"install\\"), root.Path(u"user\\"), root.Path(u"user\\theme\\"), paths, names);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Red.thm", u"Blue.thm"})) << "no folders, no other files";
  EXPECT_EQ(paths[1], root.Path(u"user\\themes\\Blue.thm"));
  EXPECT_EQ(current, 1);
}

TEST(ThemeFiles, TheInstallerIsStartedFromAFolderWithABlank) {
  TestFolder root("theme_files_apply");
  std::filesystem::create_directories(root.Native() / "Program Files" / "Kellavor");
  std::ofstream(root.Native() / "Program.exe") << "not a program";
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::filesystem::copy_file(self, root.Native() / "Program Files" / "Kellavor" / "Varnello.exe");
  const std::filesystem::path report = std::filesystem::absolute(root.Native() / "report.xml");
  // The package path follows -use as it is: here it carries the test program's own arguments.
  const std::u16string package = u"x --gtest_filter=-* \"--gtest_output=xml:" + report.u16string() + u"\"";
  ASSERT_TRUE(ApplyTheme(root.Path(u"Program Files\\Kellavor\\"), package));
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!std::filesystem::exists(report) && std::chrono::steady_clock::now() < end) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(std::filesystem::exists(report)) << "the quoted program started";
  EXPECT_FALSE(ApplyTheme(root.Path(u"missing\\"), u"")) << "no installer, nothing started";
}

}  // namespace
}  // namespace kellavor::ui
