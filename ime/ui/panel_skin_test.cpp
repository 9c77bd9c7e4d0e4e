#include "ime/ui/panel_skin.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/test_folder.h"

namespace kellavor::ui {
namespace {

class PanelSkinTest : public testing::Test {
 protected:
  settings::IniFile Theme(const std::string& content) {
    std::ofstream(folder_.Native() / "theme.ini", std::ios::binary) << content;
    settings::IniFile ini;
    ini.Open(folder_.Path(u"theme.ini"));
    return ini;
  }

  TestFolder folder_{"panel_skin_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name())};
  PanelSkin previous_ = BuiltInPanelSkin(false, false);
};

TEST_F(PanelSkinTest, EveryKeyOfTheBarsAndTheDisplayIsRead) {
  const settings::IniFile ini = Theme(
      "[hCompBar]\r\nIMAGE_BAR=comp.bmp\r\nTRAN_ENABLE=1\r\nTRAN_COLOR=255,0,255\r\nZOOM_OFFSET=4,5,6,7\r\n"
      "COMP_OFFSET=2,3,4,5\r\nCOMP_ALIGNS_KIND=1\r\n"
      "[hCandBar]\r\nIMAGE_BAR=cand.bmp\r\nTRAN_ENABLE=256\r\nCAND_OFFSET=6,7,8,9\r\nCAND_ALIGNS_KIND=0\r\nCAND_ROWCOUNT=2\r\n"
      "[Display]\r\nFONT_CHANGE=0\r\nCOMP_FONT=12,Tahoma,700\r\nCAND_COLOR=1,2,3\r\nCANDSEL_COLOR=0,0,255\r\n"
      "CANDHINT_COLOR=4,5,6\r\nCOMP_COLOR=7,8,9\r\nCOMPHINT_COLOR=10,11,12\r\nCAND_SHADOW=1,0,0\r\n"
      "CANDSEL_SHADOW_COLOR=9,9,9\r\nCOMP_SHADOW_COLOR=8,8,8\r\n");
  const std::optional<PanelSkin> skin = ReadThemePanelSkin(ini, folder_.Folder(), false, false, previous_);
  ASSERT_TRUE(skin.has_value());
  EXPECT_EQ(skin->composition.imageFile, folder_.Path(u"comp.bmp"));
  EXPECT_TRUE(skin->composition.transparent);
  EXPECT_EQ(skin->composition.keyColor, Rgb(255, 0, 255));
  EXPECT_EQ(skin->composition.zoom, (Margins{4, 5, 6, 7}));
  EXPECT_EQ(skin->compositionMargins, (Margins{2, 3, 4, 5}));
  EXPECT_TRUE(skin->compositionBottomAligned);
  EXPECT_FALSE(skin->candidate.transparent) << "256 counts as 0: only the low 8 bits";
  EXPECT_EQ(skin->candidate.zoom, (Margins{1, 1, 1, 1})) << "missing margins are 1,1,1,1";
  EXPECT_EQ(skin->candidateMargins, (Margins{6, 7, 8, 9}));
  EXPECT_EQ(skin->rowCount, 2u);
  EXPECT_FALSE(skin->fontsFromSettings);
  EXPECT_EQ(skin->compositionFont.face, u"Tahoma");
  EXPECT_EQ(skin->compositionFont.size, 12);
  EXPECT_EQ(skin->candidateFont.face, previous_.candidateFont.face) << "a missing font keeps the previous one";
  EXPECT_EQ(skin->candidateColor, Rgb(1, 2, 3));
  EXPECT_EQ(skin->selectionColor, Rgb(0, 0, 255));
  EXPECT_EQ(skin->compositionHintColor, Rgb(10, 11, 12));
  EXPECT_TRUE(skin->candidateShadow);
  EXPECT_FALSE(skin->compositionShadow);
  EXPECT_EQ(skin->selectionShadowColor, Rgb(9, 9, 9));
  EXPECT_FALSE(skin->panelButtons);
}

TEST_F(PanelSkinTest, AThemeWithoutEveryBarImageOfItsLayoutIsRejected) {
  const settings::IniFile ini = Theme("[hCompBar]\r\nIMAGE_BAR=comp.bmp\r\n[vCombBar]\r\nIMAGE_BAR=comb.bmp\r\nCAND_ROWCOUNT=0\r\n");
  EXPECT_FALSE(ReadThemePanelSkin(ini, folder_.Folder(), false, false, previous_).has_value())
      << "a composition bar without a candidate bar";
  EXPECT_FALSE(ReadThemePanelSkin(ini, folder_.Folder(), true, false, previous_).has_value());
  const std::optional<PanelSkin> combined = ReadThemePanelSkin(ini, folder_.Folder(), true, true, previous_);
  ASSERT_TRUE(combined.has_value());
  EXPECT_EQ(combined->rowCount, 0u) << "kept as read; the layout takes 0 rows as one";
  EXPECT_EQ(ReadThemePanelSkin(ini, folder_.Folder(), true, true, PanelSkin{})->candidateFont.face, u"宋体")
      << "the first reading, without fonts of its own, keeps the built-in ones";
  EXPECT_FALSE(ReadThemePanelSkin(ini, std::u16string(260, u'x'), true, true, previous_).has_value())
      << "an image path over 255 characters";
}

TEST_F(PanelSkinTest, TheBuiltInSkinFollowsTheLayout) {
  const PanelSkin combined = BuiltInPanelSkin(true, false);
  EXPECT_EQ(combined.composition.imageResource, kCombinedBarBitmap);
  EXPECT_EQ(combined.composition.zoom, (Margins{5, 37, 75, 3}));
  EXPECT_EQ(combined.candidateMargins, (Margins{3, 3, 20, 5}));
  EXPECT_TRUE(combined.panelButtons);
  const PanelSkin vertical = BuiltInPanelSkin(false, true);
  EXPECT_EQ(vertical.candidate.imageResource, kCandidateBarBitmap);
  EXPECT_EQ(vertical.candidateMargins, (Margins{5, 8, 20, 5}));
  EXPECT_EQ(BuiltInPanelSkin(false, false).candidateMargins, (Margins{5, 12, 20, 5}));
  EXPECT_FALSE(vertical.panelButtons);
  EXPECT_EQ(PanelSectionsFor(false, true).candidate, u"vCandBar");
  EXPECT_EQ(PanelSectionsFor(true, false).composition, u"hCombBar");

  settings::ImeSettings custom;
  custom.customcolor = 1;
  custom.candselcolor = Rgb(1, 1, 1);
  EXPECT_EQ(EffectiveColors(combined, custom).selection, Rgb(1, 1, 1));
  custom.customcolor = 0;
  EXPECT_EQ(EffectiveColors(combined, custom).selection, Rgb(0, 0, 255));
}

TEST(ThemeList, TheCurrentThemeIsTheFirstNameBeginningWithItsNameAndTheInstallerIsQuoted) {
  EXPECT_EQ(CurrentThemeIndex({u"Red.thm", u"blue2.thm", u"Blue.thm"}, u"Blue"), 1);
  EXPECT_EQ(CurrentThemeIndex({u"Red.thm"}, u""), 0);
  EXPECT_EQ(CurrentThemeIndex({u"Red.thm"}, u"Green"), -1);
  EXPECT_EQ(CurrentThemeIndex({}, u""), -1);
  EXPECT_EQ(ThemeCommandLine(u"C:\\Program Files\\Kellavor\\", u"C:\\t\\Blue.thm"),
            u"\"C:\\Program Files\\Kellavor\\Varnello.exe\" -useC:\\t\\Blue.thm");
  EXPECT_EQ(ThemeCommandLine(u"C:\\K\\", u""), u"\"C:\\K\\Varnello.exe\" -usenone");
}

}  // namespace
}  // namespace kellavor::ui
