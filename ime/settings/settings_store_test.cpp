#include "ime/settings/settings_store.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/test_folder.h"

namespace kellavor::settings {
namespace {

using Point = std::array<int32_t, 2>;

class SettingsStoreTest : public testing::Test {
 protected:
  std::u16string Put(const std::string& content) {
    std::ofstream(folder_.Native() / "config.ini", std::ios::binary) << content;
    return path_;
  }

  std::string Bytes() const {
    std::ifstream file(folder_.Native() / "config.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  ImeSettings Load(const std::u16string& path) {
    ImeSettings settings;
    settings.wordonly = 77;  // a reload starts from a cleared record
    settings.compfont.face = u"Stale";
    LoadSettings(settings, path);
    return settings;
  }

  void ExpectDefaults(const ImeSettings& s) {
    EXPECT_EQ(s.uselast, 1u);
    EXPECT_EQ(s.inputmode, 0u);
    EXPECT_EQ(s.iscomb, 1u);
    EXPECT_EQ(s.wordonly, 0u);
    EXPECT_EQ(s.candhintcolor, 0x646464u);
    EXPECT_EQ(s.compcolor, 0xFF0000u);
    EXPECT_EQ(s.encnswitchkey, 16u);
    EXPECT_EQ(s.sthotkty, 76u);
    EXPECT_EQ(s.characterset, 2u);
    EXPECT_EQ(s.numofpage, 5u);
    EXPECT_EQ(s.softkbdid, 13u);
    EXPECT_EQ(s.Detail_ShowDelay, 1000u);
    EXPECT_EQ(s.dicthost, kDefaultSiteHost);
    EXPECT_EQ(s.producthost, kDefaultSiteHost);
    EXPECT_EQ(s.ptstatusbar, (Point{-1, -1}));
    EXPECT_EQ(s.ptcompbar, (Point{-1, -1}));
    EXPECT_EQ(s.compfont.face, u"Courier New");
    EXPECT_EQ(s.compfont.weight, 700);
    EXPECT_EQ(s.candfont.face, u"\u5b8b\u4f53");
    EXPECT_EQ(s.candfonten.weight, 400);
  }

  TestFolder folder_{"settings_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name())};
  std::u16string path_ = folder_.Path(u"config.ini");
};

TEST_F(SettingsStoreTest, WithoutAFileEveryKeyTakesItsDefault) {
  ExpectDefaults(Load(path_));
  ExpectDefaults(Load(u""));
}

TEST_F(SettingsStoreTest, GarbageFilesGiveTheDefaults) {
  std::string random;
  uint32_t state = 4242;
  for (int i = 0; i < 100000; ++i) {
    state = state * 1103515245u + 12345u;
    random += static_cast<char>(state >> 16);
  }
  ExpectDefaults(Load(Put(random)));
  std::ofstream(folder_.Native() / "line.ini", std::ios::binary) << "[UI]\r\n" << std::string(100000, 'x') << "\r\n";
  ExpectDefaults(Load(folder_.Path(u"line.ini")));
}

TEST_F(SettingsStoreTest, ValuesAreCutToTheirWidth) {
  const ImeSettings s = Load(Put(
      "[UI]\r\niscomb=257\r\ncandcolor=-1\r\ncompcolor=0x00FF00\r\ncandselcolor=red\r\ncandhintcolor=\r\n"
      "numofpage=" + std::string(100000, '9') + "\r\n"
      "[HOTKEY]\r\nencnswitchkey=65552\r\n[GENERAL]\r\ncharacterset=258\r\n[Nerovask]\r\nDetail_ShowDelay=70000\r\n"));
  EXPECT_EQ(s.iscomb, 1u);
  EXPECT_EQ(s.encnswitchkey, 16u);
  EXPECT_EQ(s.characterset, 2u);
  EXPECT_EQ(s.Detail_ShowDelay, 4464u);
  EXPECT_EQ(s.numofpage, 0xFFFFu);  // clamped to 2^31 - 1, then cut to 16 bits
  EXPECT_EQ(s.candcolor, 0xFFFFFFFFu);
  EXPECT_EQ(s.compcolor, 0u);
  EXPECT_EQ(s.candselcolor, 0u);
  EXPECT_EQ(s.candhintcolor, 0x646464u);
}

TEST_F(SettingsStoreTest, InputModeFollowsUselast) {
  const auto fresh = Put("[GENERAL]\r\nuselast=0\r\ndefaultinputmode=1\r\n[APPSTATUS]\r\ninputmode=0\r\n");
  EXPECT_EQ(Load(fresh).inputmode, 1u);

  std::ofstream(folder_.Native() / "kept.ini", std::ios::binary)
      << "[GENERAL]\r\nuselast=1\r\ndefaultinputmode=1\r\n[APPSTATUS]\r\ninputmode=0\r\n";
  EXPECT_EQ(Load(folder_.Path(u"kept.ini")).inputmode, 0u);
}

TEST_F(SettingsStoreTest, PositionsAndFonts) {
  const ImeSettings s = Load(Put("[APPSTATUS]\r\nptcompbar=100\r\nptstatusbar=,;\r\n"
                                 "[UI]\r\ncompfont=12,Arial\r\ncandfont=14\r\ncandfonten=11,Consolas,600\r\n"));
  EXPECT_EQ(s.ptcompbar, (Point{100, 100}));
  EXPECT_EQ(s.ptstatusbar, (Point{0, 0}));
  EXPECT_EQ(s.compfont.face, u"Arial");
  EXPECT_EQ(s.compfont.size, 12);
  EXPECT_EQ(s.compfont.weight, 12);
  EXPECT_EQ(s.candfont.face, u"\u5b8b\u4f53");
  EXPECT_EQ(s.candfont.size, 14);
  EXPECT_EQ(s.candfont.weight, 14);
  EXPECT_EQ(s.candfonten.face, u"Consolas");
  EXPECT_EQ(s.candfonten.weight, 600);
}

TEST_F(SettingsStoreTest, SiteHostsAreHostNamesOrTheLocalSite) {
  const ImeSettings s = Load(Put("[SITES]\r\ndicthost=dict.example.org:8080\r\nproducthost=evil.example/x?y\r\n"));
  EXPECT_EQ(s.dicthost, u"dict.example.org:8080");
  EXPECT_EQ(s.producthost, kDefaultSiteHost);
  EXPECT_EQ(SiteHostOrDefault(u"http://a"), kDefaultSiteHost);
  EXPECT_EQ(SiteHostOrDefault(std::u16string(254, u'a')), kDefaultSiteHost);
}

TEST_F(SettingsStoreTest, SaveWritesOnlyTheRuntimeStateInItsOrder) {
  ImeSettings s;
  LoadSettings(s, path_);
  s.numpadfunckind = 0x1FF;
  s.softkbdid = 7;
  s.inputmode = 1;
  s.ptcompbar = {10, -20};
  s.iscomb = 0;  // not runtime state: never written
  SaveSettings(s, path_);
  EXPECT_EQ(Bytes(),
            "[POPUPMENU]\r\nnumpadfunckind=255\r\nbig5mode=0\r\nsoftkbdid=7\r\n"
            "[APPSTATUS]\r\nprevinputmode=0\r\ninputmode=1\r\nptstatusbar=-1,-1\r\nptcompbar=10,-20\r\n");

  s.ptcompbar = {3, 4};
  SaveSettings(s, path_);
  const ImeSettings reloaded = Load(path_);
  EXPECT_EQ(reloaded.ptcompbar, (Point{3, 4}));
  EXPECT_EQ(reloaded.inputmode, 1u);
  EXPECT_EQ(reloaded.iscomb, 1u);
}

}  // namespace
}  // namespace kellavor::settings
