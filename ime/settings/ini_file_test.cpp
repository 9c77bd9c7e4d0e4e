#include "ime/settings/ini_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "ime/platform/copy_data_receiver.h"
#include "ime/settings/ext_write_request.h"
#include "tests/support/test_folder.h"
#include "tests/support/write_hold.h"

namespace kellavor::settings {
namespace {

class IniFileTest : public testing::Test {
 protected:
  // Each test writes its file once and then changes it only through IniFile.
  IniFile Put(const std::string& content) {
    path_ = folder_.Path(u"test.ini");
    std::ofstream(folder_.Native() / "test.ini", std::ios::binary) << content;
    IniFile ini;
    ini.Open(path_);
    return ini;
  }

  std::string Bytes() const {
    std::ifstream file(folder_.Native() / "test.ini", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  TestFolder folder_{"ini_file_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name())};
  std::u16string path_;
};

TEST_F(IniFileTest, ReadStringReportsMissingAndEmptyValuesAsAbsent) {
  const IniFile ini = Put("[s]\r\nword=Haus\r\nempty=\r\nlong=" + std::string(2000, 'x') + "\r\n");
  EXPECT_EQ(ini.ReadString(u"s", u"word"), u"Haus");
  EXPECT_EQ(ini.ReadString(u"s", u"empty"), std::nullopt);
  EXPECT_EQ(ini.ReadString(u"s", u"missing"), std::nullopt);
  EXPECT_EQ(ini.ReadString(u"s", u"long")->size(), 1023u);

  IniFile nowhere;
  nowhere.Open(u"");
  EXPECT_EQ(nowhere.ReadString(u"s", u"word"), std::nullopt);
  EXPECT_EQ(nowhere.ReadInt(u"s", u"word", 42), 42);
  IniFile closed = ini;
  closed.Close();
  EXPECT_EQ(closed.ReadString(u"s", u"word"), std::nullopt);

  IniFile absent;
  absent.Open(folder_.Path(u"absent.ini"));
  EXPECT_EQ(absent.ReadInt(u"s", u"word", 7), 7);
}

TEST_F(IniFileTest, ReadIntParsesDecimalAsFarAsItGoes) {
  const IniFile ini = Put(
      "[n]\r\nplain=42\r\nsigned=-12abc\r\nplus=+7\r\nhex=0x1F\r\nword=abc\r\nempty=\r\n"
      "big=99999999999\r\nsmall=-99999999999\r\nlisted=12,34\r\ncut=" + std::string(31, '0') + "5\r\n");
  EXPECT_EQ(ini.ReadInt(u"n", u"plain", -1), 42);
  EXPECT_EQ(ini.ReadInt(u"n", u"signed", -1), -12);
  EXPECT_EQ(ini.ReadInt(u"n", u"plus", -1), 7);
  EXPECT_EQ(ini.ReadInt(u"n", u"hex", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"n", u"word", -1), 0);
  EXPECT_EQ(ini.ReadInt(u"n", u"empty", -1), -1);
  EXPECT_EQ(ini.ReadInt(u"n", u"missing", -1), -1);
  EXPECT_EQ(ini.ReadInt(u"n", u"big", -1), 2147483647);
  EXPECT_EQ(ini.ReadInt(u"n", u"small", -1), -2147483647 - 1);
  EXPECT_EQ(ini.ReadInt(u"n", u"cut", -1), 0);  // only the first 31 characters count
  EXPECT_EQ(ini.ReadInt(u"n", u"listed", -1), 12);
}

TEST_F(IniFileTest, MissingComponentsRepeatTheOneBefore) {
  const IniFile ini = Put(
      "[p]\r\none=100\r\nseparators=,;\t,\r\ntwo= 5 ;; 6 \r\nrect=1,2\r\nmany=1,2,3,4,5\r\n"
      "white=255\r\ngreen=0,255,0\r\nwide=256,1,2,\r\nrg=1,2\r\n");
  std::array<int32_t, 2> pair{};
  ini.ReadPair(u"p", u"one", pair, -1, -1);
  EXPECT_EQ(pair, (std::array<int32_t, 2>{100, 100}));
  ini.ReadPair(u"p", u"separators", pair, -1, -1);
  EXPECT_EQ(pair, (std::array<int32_t, 2>{0, 0}));
  ini.ReadPair(u"p", u"two", pair, -1, -1);
  EXPECT_EQ(pair, (std::array<int32_t, 2>{5, 6}));
  ini.ReadPair(u"p", u"missing", pair, -1, -2);
  EXPECT_EQ(pair, (std::array<int32_t, 2>{-1, -2}));

  std::array<int32_t, 4> rect{};
  ini.ReadRect(u"p", u"rect", rect, {9, 9, 9, 9});
  EXPECT_EQ(rect, (std::array<int32_t, 4>{1, 2, 2, 2}));
  ini.ReadRect(u"p", u"many", rect, {9, 9, 9, 9});
  EXPECT_EQ(rect, (std::array<int32_t, 4>{1, 2, 3, 4}));
  ini.ReadRect(u"p", u"missing", rect, {1, 2, 3, 4});
  EXPECT_EQ(rect, (std::array<int32_t, 4>{1, 2, 3, 4}));

  EXPECT_EQ(ini.ReadColor(u"p", u"white", 0), 0xFFFFFFu);
  EXPECT_EQ(ini.ReadColor(u"p", u"green", 0), 0x00FF00u);
  EXPECT_EQ(ini.ReadColor(u"p", u"wide", 0), 0x020100u);
  EXPECT_EQ(ini.ReadColor(u"p", u"rg", 0), 0x020201u);
  EXPECT_EQ(ini.ReadColor(u"p", u"separators", 0x123456), 0u);
  EXPECT_EQ(ini.ReadColor(u"p", u"missing", 0x12345678), 0x345678u);
}

TEST_F(IniFileTest, ReadFontOverTheCallersDefault) {
  const IniFile ini = Put("[f]\r\nsized=12,Arial\r\nsizeonly=12\r\nfull=9,Courier New,400\r\nwrapped=65546,X,70000\r\n"
                          "longface=9," + std::string(300, 'a') + "\r\n");
  const FontSpec fallback{u"Fallback", 10, 700};
  auto read = [&](const std::u16string& key) {
    FontSpec font = fallback;
    ini.ReadFont(u"f", key, font);
    return font;
  };
  auto expect = [](const FontSpec& font, const std::u16string& face, uint16_t size, uint16_t weight) {
    EXPECT_EQ(font.face, face);
    EXPECT_EQ(font.size, size);
    EXPECT_EQ(font.weight, weight);
  };
  expect(read(u"sized"), u"Arial", 12, 12);
  expect(read(u"sizeonly"), u"Fallback", 12, 12);
  expect(read(u"full"), u"Courier New", 9, 400);
  expect(read(u"wrapped"), u"X", 10, 4464);
  expect(read(u"missing"), u"Fallback", 10, 700);
  expect(read(u"longface"), std::u16string(253, u'a'), 9, 9);  // the value is read up to 255 units
}

TEST_F(IniFileTest, WritesStoreDecimalText) {
  const IniFile ini = Put("");
  EXPECT_EQ(ini.WriteInt(u"APPSTATUS", u"inputmode", -5), kIniWritten);
  EXPECT_EQ(ini.WritePair(u"APPSTATUS", u"ptcompbar", {1, -2}), kIniWritten);
  EXPECT_EQ(ini.WriteString(u"UI", u"face", u"Courier New"), kIniWritten);
  EXPECT_EQ(Bytes(), "[APPSTATUS]\r\ninputmode=-5\r\nptcompbar=1,-2\r\n[UI]\r\nface=Courier New\r\n");

  IniFile nowhere;
  nowhere.Open(u"");
  EXPECT_EQ(nowhere.WriteInt(u"s", u"k", 1), kIniWritten);
}

TEST_F(IniFileTest, RefusedWritesGoToTheExternalWriter) {
  platform::CopyDataReceiver writer(u"Tessal_ExtWriteCl", u"Tessal_ExtWriteWi");
  ASSERT_TRUE(writer.exists());

  IniFile lost;
  lost.Open(folder_.Path(u"no-folder") + platform::kPathSeparator + u"config.ini");
  EXPECT_EQ(lost.WriteInt(u"UI", u"iscomb", 1), kIniNotWritten);  // nothing to read back: no request

  const IniFile ini = Put("[UI]\r\niscomb=0\r\n");
  WriteHold hold(path_);
  ASSERT_TRUE(hold.held());
  EXPECT_EQ(ini.WriteInt(u"UI", u"iscomb", 0), kIniWritten);  // already holds the value
  EXPECT_EQ(ini.WriteInt(u"UI", u"numofpage", 5), kIniNotWritten);  // no such key: no request
  EXPECT_TRUE(writer.received().empty());

  EXPECT_EQ(ini.WriteInt(u"UI", u"iscomb", 1), kIniNotWritten);
  ASSERT_EQ(writer.received().size(), 1u);
  EXPECT_EQ(writer.received()[0].dwData, 4u);
  EXPECT_EQ(writer.received()[0].data, BuildWriteSettingRequest(u"UI", u"iscomb", u"1", path_));
  EXPECT_EQ(ini.ReadInt(u"UI", u"iscomb", -1), 0);
}

TEST_F(IniFileTest, LoadedFileAnswersFromOneReadUntilItWrites) {
  Put("\xEF\xBB\xBF[UI]\r\nnumofpage = 7\r\nfont=\"12,Sans,400\"\r\n[ui]\r\nnumofpage=9\r\nkeycolor=1,2\r\n");
  IniFile loaded;
  loaded.Load(path_);
  IniFile opened;
  opened.Open(path_);
  for (const IniFile* ini : {&loaded, &opened}) {
    EXPECT_EQ(ini->ReadInt(u"ui", u"NUMOFPAGE", 0), 7);
    EXPECT_EQ(ini->ReadString(u" UI ", u"font"), u"12,Sans,400");
    EXPECT_EQ(ini->ReadString(u"UI", u"keycolor"), std::nullopt);
    EXPECT_EQ(ini->ReadInt(u"UI", u"missing", 3), 3);
  }
  // The copy does not follow the file; a write through the loaded object goes to the file, and
  // its reads go there from then on.
  std::ofstream(folder_.Native() / "test.ini", std::ios::binary) << "[UI]\r\nnumofpage=5\r\n";
  EXPECT_EQ(loaded.ReadInt(u"UI", u"numofpage", 0), 7);
  EXPECT_EQ(loaded.WriteInt(u"UI", u"usetheme", 1), kIniWritten);
  EXPECT_EQ(loaded.ReadInt(u"UI", u"numofpage", 0), 5);
  EXPECT_EQ(loaded.ReadInt(u"UI", u"usetheme", 0), 1);

  IniFile absent;
  absent.Load(folder_.Path(u"absent.ini"));
  EXPECT_EQ(absent.ReadInt(u"UI", u"numofpage", 6), 6);
}

}  // namespace
}  // namespace kellavor::settings
