// The same expectations hold for the native implementation and, in the Windows build, for the
// platform's own functions; every read is made through a ProfileSnapshot of the file as well,
// which must answer the same. Each test writes a file once and changes it only through
// WriteProfileValue: Windows implementations may cache a profile by its time stamp.
#include "ime/platform/private_profile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

#include "ime/platform/utf.h"
#include "tests/support/test_folder.h"
#include "tests/support/write_hold.h"

namespace kellavor::platform {
namespace {

using namespace std::string_literals;

class PrivateProfileTest : public testing::Test {
 protected:
  std::u16string Put(const std::u16string& name, const std::string& bytes) {
    std::ofstream(folder_.Native() / std::filesystem::path(name), std::ios::binary) << bytes;
    return folder_.Path(name);
  }

  std::string Bytes(const std::u16string& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  TestFolder folder_{"private_profile_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name())};
};

std::u16string Read(const std::u16string& path, const std::u16string& section, const std::u16string& key,
                    size_t capacity = 256, const std::u16string& fallback = u"<default>") {
  std::u16string buffer(capacity + 1, u'#');
  const size_t count = ReadProfileValue(section, key, fallback, buffer.data(), capacity, path);
  EXPECT_LT(count, capacity);
  EXPECT_EQ(buffer[count], u'\0');
  std::u16string copy(capacity + 1, u'#');
  const size_t copied = ProfileSnapshot(path).ReadValue(section, key, fallback, copy.data(), capacity);
  EXPECT_EQ(copy.substr(0, copied), buffer.substr(0, count)) << "read from a snapshot";
  return buffer.substr(0, count);
}

std::string Utf16File(const std::u16string& text) {
  std::string bytes = "\xFF\xFE";
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

std::string RandomBytes(size_t count) {
  std::string bytes;
  uint32_t state = 12345;
  for (size_t i = 0; i < count; ++i) {
    state = state * 1103515245u + 12345u;
    bytes += static_cast<char>(state >> 16);
  }
  return bytes;
}

TEST_F(PrivateProfileTest, NamesIgnoreCaseAndSurroundingWhiteSpace) {
  const auto path = Put(u"names.ini", "[Sec]\r\n  KeY  =  some value  \r\n\tk2\t=\tv\t\r\n[ spaced ]\r\nx=1\r\n");
  EXPECT_EQ(Read(path, u"sec", u"key"), u"some value");
  EXPECT_EQ(Read(path, u"SEC", u"KEY"), u"some value");
  EXPECT_EQ(Read(path, u" sec ", u" key "), u"some value");
  EXPECT_EQ(Read(path, u"sec", u"k2"), u"v");
  EXPECT_EQ(Read(path, u"spaced", u"x"), u"1");
  EXPECT_EQ(Read(path, u"sec", u"x"), u"<default>");
}

TEST_F(PrivateProfileTest, FirstSectionAndFirstKeyOfANameWin) {
  const auto path = Put(u"first.ini", "[s]\r\na=1\r\na=2\r\nbare\r\nbare=5\r\n[t]\r\nb=1\r\n[S]\r\na=3\r\nc=4\r\n");
  EXPECT_EQ(Read(path, u"s", u"a"), u"1");
  EXPECT_EQ(Read(path, u"s", u"c"), u"<default>");  // in the second [s], which is never read
  EXPECT_EQ(Read(path, u"t", u"b"), u"1");
  EXPECT_EQ(Read(path, u"s", u"bare"), u"<default>");  // a key without "=" has no value
}

TEST_F(PrivateProfileTest, LineSyntax) {
  const auto path = Put(u"syntax.ini",
                        "top=0\r\n"
                        "[a]b]\r\nk=1\r\n"
                        "[s2] tail\r\nr=1\r\n"
                        "[s]\r\n[broken=2\r\na=b=c\r\n;c=1\r\nsp ace=3\r\n"
                        "cr=1\rlf=2\nnul=x\0y\r\nafter=4\r\n"
                        "[]\r\nu=1\r\n"s);
  EXPECT_EQ(Read(path, u"", u"top"), u"0");       // keys before the first header
  EXPECT_EQ(Read(path, u"", u"u"), u"<default>");  // a later [] is a second unnamed section
  EXPECT_EQ(Read(path, u"a]b", u"k"), u"1");     // a header ends at its line's last "]"
  EXPECT_EQ(Read(path, u"s2", u"r"), u"1");
  EXPECT_EQ(Read(path, u"s", u"[broken"), u"2");  // no "]": an ordinary key line
  EXPECT_EQ(Read(path, u"s", u"a"), u"b=c");
  EXPECT_EQ(Read(path, u"s", u";c"), u"1");  // no comment syntax
  EXPECT_EQ(Read(path, u"s", u"c"), u"<default>");
  EXPECT_EQ(Read(path, u"s", u"sp ace"), u"3");
  EXPECT_EQ(Read(path, u"s", u"cr"), u"1");
  EXPECT_EQ(Read(path, u"s", u"lf"), u"2");
  EXPECT_EQ(Read(path, u"s", u"nul"), u"x");  // a NUL ends the value, not the line
  EXPECT_EQ(Read(path, u"s", u"after"), u"4");
}

TEST_F(PrivateProfileTest, OnePairOfMatchingQuotesIsDropped) {
  const auto path = Put(u"quotes.ini",
                        "[s]\r\na=\"abc\"\r\nb='abc'\r\nc=\"abc\r\nd=\" x y \"\r\ne=\"a\"b\"\r\n"
                        "f=\"\"\r\ng=\"\r\nh=  \"q\"  \r\ni='x\"\r\nempty=\r\n");
  EXPECT_EQ(Read(path, u"s", u"a"), u"abc");
  EXPECT_EQ(Read(path, u"s", u"b"), u"abc");
  EXPECT_EQ(Read(path, u"s", u"c"), u"\"abc");
  EXPECT_EQ(Read(path, u"s", u"d"), u" x y ");
  EXPECT_EQ(Read(path, u"s", u"e"), u"a\"b");
  EXPECT_EQ(Read(path, u"s", u"f"), u"");
  EXPECT_EQ(Read(path, u"s", u"g"), u"\"");
  EXPECT_EQ(Read(path, u"s", u"h"), u"q");
  EXPECT_EQ(Read(path, u"s", u"i"), u"'x\"");
  EXPECT_EQ(Read(path, u"s", u"empty"), u"");  // present but empty: not the default
  EXPECT_EQ(Read(path, u"s", u"a", 3), u"ab");
}

TEST_F(PrivateProfileTest, ValuesAndDefaultsAreCutAtTheBuffer) {
  const auto path = Put(u"cut.ini", "[s]\r\na=abcdefghij\r\n");
  EXPECT_EQ(Read(path, u"s", u"a", 5), u"abcd");
  EXPECT_EQ(Read(path, u"s", u"a", 10), u"abcdefghi");
  EXPECT_EQ(Read(path, u"s", u"a", 11), u"abcdefghij");
  EXPECT_EQ(Read(path, u"s", u"a", 1), u"");
  EXPECT_EQ(Read(path, u"s", u"zz", 3, u"defaultlong"), u"de");
  EXPECT_EQ(Read(path, u"s", u"zz", 64, u"def  "), u"def");
  EXPECT_EQ(Read(path, u"s", u"zz", 64, u"  def"), u"  def");

  char16_t untouched[2] = {u'#', u'#'};
  EXPECT_EQ(ReadProfileValue(u"s", u"a", u"", untouched, 0, path), 0u);
  EXPECT_EQ(untouched[0], u'#');
}

TEST_F(PrivateProfileTest, MissingFileGivesTheDefault) {
  EXPECT_EQ(Read(folder_.Path(u"absent.ini"), u"s", u"a"), u"<default>");
  EXPECT_EQ(Read(folder_.Path(u"no-folder") + kPathSeparator + u"x.ini", u"s", u"a", 4), u"<de");
}

TEST_F(PrivateProfileTest, Utf16AndUtf8FilesReadAlike) {
  const std::u16string text = u"[s]\r\na=v\r\nb=\u4e2d\u00e4\r\n";
  const auto utf16 = Put(u"utf16.ini", Utf16File(text));
  const auto utf8 = Put(u"utf8.ini", "\xEF\xBB\xBF" + Utf16ToUtf8(text));
  for (const auto& path : {utf16, utf8}) {
    EXPECT_EQ(Read(path, u"S", u"A"), u"v");
    EXPECT_EQ(Read(path, u"s", u"b"), u"\u4e2d\u00e4");
  }
}

TEST_F(PrivateProfileTest, WritesChangeOnlyTheirLine) {
  const auto path = Put(u"write.ini", "; head\r\n[s]\r\na=1\r\n;comment\r\nb=2\r\n[t]\r\nx=9\r\n");
  EXPECT_TRUE(WriteProfileValue(u"s", u"c", u"3", path));
  EXPECT_TRUE(WriteProfileValue(u"S", u"A", u"7", path));
  EXPECT_TRUE(WriteProfileValue(u"u", u"k", u"v", path));
  EXPECT_TRUE(WriteProfileValue(u"t", u"x", u"", path));
  EXPECT_EQ(Bytes(path), "; head\r\n[s]\r\na=7\r\n;comment\r\nb=2\r\nc=3\r\n[t]\r\nx=\r\n[u]\r\nk=v\r\n");
  EXPECT_EQ(Read(path, u"s", u"a"), u"7");
  EXPECT_EQ(Read(path, u"t", u"x"), u"");

  const auto unterminated = Put(u"unterminated.ini", "[s]\r\na=1");
  EXPECT_TRUE(WriteProfileValue(u"s", u"b", u"2", unterminated));
  EXPECT_EQ(Bytes(unterminated), "[s]\r\na=1\r\nb=2\r\n");
}

TEST_F(PrivateProfileTest, WriteCreatesAMissingFile) {
  const auto path = folder_.Path(u"new.ini");
  EXPECT_TRUE(WriteProfileValue(u"s", u"a", u"1", path));
  EXPECT_TRUE(WriteProfileValue(u"t", u"b", u"2", path));
  EXPECT_EQ(Bytes(path), "[s]\r\na=1\r\n[t]\r\nb=2\r\n");
}

TEST_F(PrivateProfileTest, WritesKeepTheFileEncoding) {
  const auto utf16 = Put(u"utf16.ini", Utf16File(u"[s]\r\na=v\r\n"));
  EXPECT_TRUE(WriteProfileValue(u"s", u"c", u"w\u4e2d", utf16));
  EXPECT_EQ(Bytes(utf16), Utf16File(u"[s]\r\na=v\r\nc=w\u4e2d\r\n"));
  EXPECT_EQ(Read(utf16, u"s", u"c"), u"w\u4e2d");

  const auto utf8 = Put(u"utf8.ini", "\xEF\xBB\xBF[s]\r\na=1\r\n");
  EXPECT_TRUE(WriteProfileValue(u"s", u"b", u"\u4e2d\u00e4", utf8));
  EXPECT_EQ(Bytes(utf8), "\xEF\xBB\xBF[s]\r\na=1\r\nb=\xE4\xB8\xAD\xC3\xA4\r\n");
}

TEST_F(PrivateProfileTest, RefusedWritesLeaveEverythingAsItWas) {
  const auto nowhere = folder_.Path(u"no-folder") + kPathSeparator + u"x.ini";
  EXPECT_FALSE(WriteProfileValue(u"s", u"a", u"1", nowhere));
  EXPECT_FALSE(FileExists(nowhere));

  const auto path = Put(u"held.ini", "[s]\r\na=1\r\n");
  {
    WriteHold hold(path);
    ASSERT_TRUE(hold.held());
    EXPECT_EQ(Read(path, u"s", u"a"), u"1");
    EXPECT_FALSE(WriteProfileValue(u"s", u"a", u"2", path));
    EXPECT_FALSE(WriteProfileValue(u"s", u"b", u"2", path));
    EXPECT_EQ(Read(path, u"s", u"a"), u"1");
    EXPECT_EQ(Read(path, u"s", u"b"), u"<default>");
  }
  EXPECT_EQ(Bytes(path), "[s]\r\na=1\r\n");
  EXPECT_TRUE(WriteProfileValue(u"s", u"a", u"2", path));
  EXPECT_EQ(Read(path, u"s", u"a"), u"2");
}

TEST_F(PrivateProfileTest, GarbageFilesAreReadSafely) {
  const auto random = Put(u"random.ini", RandomBytes(200000) + "\r\n[t]\r\nb=2\r\n");
  EXPECT_EQ(Read(random, u"t", u"b"), u"2");

  const auto random16 = Put(u"random16.ini", "\xFF\xFE" + RandomBytes(200001));
  EXPECT_EQ(Read(random16, u"t", u"b"), u"<default>");

  const auto huge = Put(u"huge.ini", "[s]\r\nbig=" + std::string(100000, 'x') + "\r\na=ok\r\n" +
                                         std::string(200000, '[') + "\r\n[t]\r\nb=2\r\n");
  EXPECT_EQ(Read(huge, u"s", u"big", 10), u"xxxxxxxxx");
  EXPECT_EQ(Read(huge, u"s", u"a"), u"ok");
  EXPECT_EQ(Read(huge, u"t", u"b"), u"2");

  const auto nuls = Put(u"nuls.ini", std::string(1000, '\0') + "\r\n[s]\r\na=1\r\n" + std::string(1000, '\0'));
  EXPECT_EQ(Read(nuls, u"s", u"a"), u"1");
}

}  // namespace
}  // namespace kellavor::platform
