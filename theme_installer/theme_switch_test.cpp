// The theme installer's work on a user folder: the command line as the module writes it, a shipped
// package installed in place of the current theme, a refused package that leaves everything as it
// was, and the switch to the built-in skin.
#include "theme_installer/theme_switch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ime/platform/file_system.h"
#include "ime/platform/private_profile.h"
#include "tests/support/test_folder.h"
#include "theme_installer/test_packages.h"

namespace kellavor::theme_installer {
namespace {

namespace fs = std::filesystem;
using Action = ThemeCommand::Action;

TEST(ThemeCommandTest, TheModulesCommandLinesAreUnderstood) {
  EXPECT_EQ(ParseThemeCommand(u"-usenone").action, Action::kUseNone);
  EXPECT_EQ(ParseThemeCommand(u"-USENONE").action, Action::kUseNone);

  const ThemeCommand glued = ParseThemeCommand(u"-useC:\\Users\\a b\\themes\\Blue.thm");
  EXPECT_EQ(glued.action, Action::kUse);
  EXPECT_EQ(glued.path, u"C:\\Users\\a b\\themes\\Blue.thm") << "the module puts no blank after -use";
  EXPECT_EQ(ParseThemeCommand(u"-use \"C:\\a b.thm\"").path, u"C:\\a b.thm");
  EXPECT_EQ(ParseThemeCommand(u"-usenone.thm").path, u"none.thm") << "only the whole switch is -usenone";

  for (const std::u16string_view bad : {u"", u"-use", u"-use   ", u"-use \"\"", u"-theme x.thm", u"x.thm"}) {
    EXPECT_EQ(ParseThemeCommand(bad).action, Action::kInvalid) << std::string(bad.begin(), bad.end());
  }
}

class ThemeSwitchTest : public testing::Test {
 protected:
  std::u16string Value() const {
    char16_t value[16] = {};
    platform::ReadProfileValue(u"UI", u"usetheme", u"", value, 16, folder_.Path(u"config.ini"));
    return value;
  }
  fs::path Theme() const { return folder_.Native() / "theme"; }
  SwitchOutcome Use(const fs::path& package) {
    return SwitchTheme({Action::kUse, package.u16string()}, folder_.Folder());
  }

  TestFolder folder_{"theme_switch"};
};

TEST_F(ThemeSwitchTest, APackageReplacesTheCurrentThemeAndSetsUsetheme) {
  ASSERT_FALSE(ShippedThemeFolder().empty()) << "KELLAVOR_THEMES is not set";
  fs::create_directories(Theme());
  platform::WriteWholeFile((Theme() / "stale.bmp").u16string(), "x", 1);
  platform::WriteProfileValue(u"UI", u"iscomb", u"0", folder_.Path(u"config.ini"));

  const SwitchOutcome outcome = Use(fs::path(ShippedThemeFolder()) / "Lagoon.thm");
  ASSERT_EQ(outcome.result, SwitchResult::kDone) << outcome.fault;
  EXPECT_TRUE(fs::exists(Theme() / "theme.ini"));
  EXPECT_TRUE(fs::exists(Theme() / "comb.bmp"));
  EXPECT_FALSE(fs::exists(Theme() / "stale.bmp")) << "the previous theme's files are gone";
  EXPECT_FALSE(fs::exists(folder_.Native() / "theme.new"));
  EXPECT_FALSE(fs::exists(folder_.Native() / "theme.old"));
  EXPECT_EQ(Value(), u"1");
  char16_t kept[8] = {};
  platform::ReadProfileValue(u"UI", u"iscomb", u"", kept, 8, folder_.Path(u"config.ini"));
  EXPECT_EQ(std::u16string(kept), u"0") << "the other keys stay";

  // A refused package changes nothing.
  const fs::path evil = folder_.Native() / "evil.thm";
  const std::vector<uint8_t> file =
      ZipOf({{"theme.ini", TestText("[General]\r\nNAME=Evil\r\n")}, {"../config.ini", TestBitmap(2, 2)}});
  platform::WriteWholeFile(evil.u16string(), file.data(), file.size());
  platform::WriteProfileValue(u"UI", u"usetheme", u"0", folder_.Path(u"config.ini"));
  EXPECT_EQ(Use(evil).result, SwitchResult::kPackageRefused);
  EXPECT_EQ(Use(folder_.Native() / "missing.thm").result, SwitchResult::kPackageRefused);
  EXPECT_TRUE(fs::exists(Theme() / "comb.bmp"));
  EXPECT_EQ(Value(), u"0");

  EXPECT_EQ(SwitchTheme({Action::kUse, (fs::path(ShippedThemeFolder()) / "Graphite.thm").u16string()}, folder_.Folder()).result,
            SwitchResult::kDone);
  EXPECT_EQ(SwitchTheme({Action::kUseNone, {}}, folder_.Folder()).result, SwitchResult::kDone);
  EXPECT_EQ(Value(), u"0");
  EXPECT_TRUE(fs::exists(Theme() / "theme.ini")) << "the built-in skin leaves the theme folder alone";
  EXPECT_EQ(SwitchTheme({}, folder_.Folder()).result, SwitchResult::kBadCommand);
}

}  // namespace
}  // namespace kellavor::theme_installer
