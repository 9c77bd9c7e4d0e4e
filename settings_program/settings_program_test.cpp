// The settings program's decisions: which keys it writes, how it reads the user's colours, fonts
// and hot keys, and which config.ini files it leaves alone.
#include <gtest/gtest.h>

#include <string>

#include "ime/platform/private_profile.h"
#include "ime/settings/settings_store.h"
#include "settings_program/ini_check.h"
#include "settings_program/settings_entries.h"
#include "tests/support/test_folder.h"

namespace kellavor::settings_program {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SettingsEntriesTest, OnlyChangedKeysAreWrittenAndTheyReadBackAsSet) {
  settings::ImeSettings before;
  settings::LoadSettings(before, u"");  // the defaults
  settings::ImeSettings after = before;
  EXPECT_TRUE(ChangedEntries(before, after).empty());

  after.numofpage = 7;
  after.candfont = {u"Noto Sans CJK SC", 12, 500};
  after.Detail_Show = 0;
  const std::vector<IniEntry> changed = ChangedEntries(before, after);
  ASSERT_EQ(changed.size(), 3u);
  EXPECT_EQ(changed[0], (IniEntry{u"UI", u"numofpage", u"7"}));
  EXPECT_EQ(changed[1], (IniEntry{u"UI", u"candfont", u"12,Noto Sans CJK SC,500"}));
  EXPECT_EQ(changed[2], (IniEntry{u"Nerovask", u"Detail_Show", u"0"}));

  // What is written loads back as what was set, through the module's own reader.
  const TestFolder folder("settings_entries");
  const std::u16string config = folder.Path(u"config.ini");
  for (const IniEntry& entry : EditedEntries(after)) {
    ASSERT_TRUE(platform::WriteProfileValue(entry.section, entry.key, entry.value, config));
  }
  settings::ImeSettings loaded;
  settings::LoadSettings(loaded, config);
  EXPECT_EQ(EditedEntries(loaded), EditedEntries(after));
}

TEST(SettingsEntriesTest, TheUsersTextsAreCheckedBeforeTheyBecomeSettings) {
  EXPECT_EQ(FormatColor(0x00FF8000), u"0,128,255");
  EXPECT_EQ(ParseColor(u" 0, 128 ,255"), 0x00FF8000u);
  for (const std::u16string_view bad : {u"", u"1,2", u"1,2,3,4", u"256,0,0", u"-1,0,0", u"0x10,0,0", u"a,b,c"}) {
    EXPECT_FALSE(ParseColor(bad).has_value()) << std::string(bad.begin(), bad.end());
  }

  const settings::FontSpec font{u"Courier New", 10, 700};
  EXPECT_EQ(FormatFont(font), u"10,Courier New,700");
  const std::optional<settings::FontSpec> parsed = ParseFont(u"12, 宋体 ,400");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(parsed->face, u"宋体");
  EXPECT_EQ(parsed->size, 12);
  for (const std::u16string_view bad : {u"12,Arial", u"0,Arial,400", u"12,,400", u"12,Arial,1000", u"12,A;B,400"}) {
    EXPECT_FALSE(ParseFont(bad).has_value()) << std::string(bad.begin(), bad.end());
  }

  EXPECT_EQ(ParseHotKey(u"m"), uint32_t{'M'});
  EXPECT_EQ(ParseHotKey(u" 7 "), uint32_t{'7'});
  EXPECT_EQ(FormatHotKey('K'), u"K");
  EXPECT_EQ(FormatHotKey(16), u"");
  for (const std::u16string_view bad : {u"", u"MM", u"-", u"ä"}) EXPECT_FALSE(ParseHotKey(bad).has_value());
}

TEST(IniCheckTest, OnlyFilesThatReadAsIniAreWritten) {
  EXPECT_TRUE(IsWritableIni(std::vector<uint8_t>{}));
  EXPECT_TRUE(IsWritableIni(Bytes("; comment\r\n[UI]\r\nnumofpage=5\r\n\r\n# other\nkey = value with = sign\n")));
  EXPECT_TRUE(IsWritableIni(Bytes("\xEF\xBB\xBF[UI]\nface=\xE5\xAE\x8B\xE4\xBD\x93\n")));
  const std::vector<uint8_t> utf16{0xFF, 0xFE, '[', 0, 'U', 0, ']', 0, '\n', 0, 'a', 0, '=', 0, '1', 0};
  EXPECT_TRUE(IsWritableIni(utf16));

  EXPECT_FALSE(IsWritableIni(Bytes("[UI]\nthis line is prose\n")));
  EXPECT_FALSE(IsWritableIni(Bytes("[UI\nnumofpage=5\n")));
  EXPECT_FALSE(IsWritableIni(Bytes("=5\n")));
  EXPECT_FALSE(IsWritableIni(std::vector<uint8_t>{'[', 0, 'U', 0, ']', 0}));  // UTF-16 without its mark
  EXPECT_FALSE(IsWritableIni(std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  std::vector<uint8_t> odd = utf16;
  odd.push_back('x');
  EXPECT_FALSE(IsWritableIni(odd));
}

}  // namespace
}  // namespace kellavor::settings_program
