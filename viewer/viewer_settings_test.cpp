#include "viewer/viewer_settings.h"

#include <gtest/gtest.h>

#include "ime/platform/private_profile.h"
#include "tests/support/test_folder.h"

namespace kellavor::viewer {
namespace {

TEST(ViewerSettingsTest, IntegersAreDecimalOrHexadecimalAndNothingElse) {
  EXPECT_EQ(ParseViewerInt(u"255"), 255);
  EXPECT_EQ(ParseViewerInt(u"-12"), -12);
  EXPECT_EQ(ParseViewerInt(u"0xff"), 255);
  EXPECT_EQ(ParseViewerInt(u"0X1F"), 31);
  EXPECT_EQ(ParseViewerInt(u"0xFFFFFFFF"), -1);
  EXPECT_EQ(ParseViewerInt(u"12abc"), std::nullopt);
  EXPECT_EQ(ParseViewerInt(u"0x"), std::nullopt);
  EXPECT_EQ(ParseViewerInt(u""), std::nullopt);
  EXPECT_EQ(ParseViewerInt(u" 1"), std::nullopt);
  EXPECT_EQ(ParseViewerInt(u"4294967296"), std::nullopt);
  EXPECT_EQ(ParseViewerInt(u"2147483648"), std::nullopt);
}

TEST(ViewerSettingsTest, TheFormsKeysReadWithDefaultsAndWriteBack) {
  TestFolder folder("viewer_settings");
  const ViewerPaths paths = BuildViewerPaths(folder.Folder());
  EXPECT_EQ(ReadFormSettings(paths.settingsFile), FormSettings{}) << "no file: the design values, host default";
  EXPECT_EQ(ReadFormSettings(paths.settingsFile).dictionaryHost, u"127.0.0.1:8794");
  EXPECT_TRUE(DetailShowEnabled(paths.settingsFile));

  ASSERT_TRUE(platform::WriteProfileValue(u"Nerovask", u"Detail_Show", u"0x0", paths.settingsFile));
  ASSERT_TRUE(platform::WriteProfileValue(u"Nerovask", u"width", u"wide", paths.settingsFile));
  ASSERT_TRUE(platform::WriteProfileValue(u"UI", u"iscomb", u"0", paths.settingsFile));
  ASSERT_TRUE(platform::WriteProfileValue(u"SITES", u"dicthost", u"file:///x", paths.settingsFile));
  EXPECT_FALSE(DetailShowEnabled(paths.settingsFile));
  FormSettings settings = ReadFormSettings(paths.settingsFile);
  EXPECT_EQ(settings.width, 280) << "malformed: the default";
  EXPECT_FALSE(settings.combined);
  EXPECT_EQ(settings.dictionaryHost, u"127.0.0.1:8794");

  settings.left = -20;
  settings.autoFollow = false;
  settings.transValue = 200;
  WriteFormSettings(paths.settingsFile, settings);
  const FormSettings again = ReadFormSettings(paths.settingsFile);
  EXPECT_EQ(again.left, -20);
  EXPECT_FALSE(again.autoFollow);
  EXPECT_EQ(again.transValue, 200);
}

}  // namespace
}  // namespace kellavor::viewer
