#include "tools/dictbuild/open_data/source_text.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>

#include "tests/support/test_folder.h"

namespace kellavor::dictbuild {
namespace {

TEST(SourceText, ReadsPlainAndCompressedFiles) {
  const TestFolder folder("source_text");
  const std::string plain = (folder.Native() / "plain.txt").string();
  std::ofstream(plain, std::ios::binary) << "Haus\nhouse\n";
  EXPECT_EQ(ReadSourceText(plain), "Haus\nhouse\n");

  const std::string packed = (folder.Native() / "packed.dict.dz").string();
  gzFile file = gzopen(packed.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  const std::string text(100000, 'x');
  ASSERT_EQ(gzwrite(file, text.data(), static_cast<unsigned>(text.size())), static_cast<int>(text.size()));
  gzclose(file);
  EXPECT_EQ(ReadSourceText(packed), text);
  EXPECT_FALSE(ReadSourceText(packed, 5000).has_value()) << "bounded";
  EXPECT_FALSE(ReadSourceText((folder.Native() / "missing").string()).has_value());
}

TEST(SourceText, WalksLinesAndFields) {
  std::vector<std::string_view> lines;
  ForEachLine("a\r\nb\n\nc", [&](std::string_view line) { lines.push_back(line); });
  EXPECT_EQ(lines, (std::vector<std::string_view>{"a", "b", "", "c"}));
  EXPECT_EQ(SplitFields("a\t\tb", '\t'), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_EQ(TrimSpaces(" \t x y \t"), "x y");
  EXPECT_EQ(ParseDecimal("0042"), 42u);
  EXPECT_FALSE(ParseDecimal("").has_value());
  EXPECT_FALSE(ParseDecimal("12a").has_value());
  EXPECT_FALSE(ParseDecimal("1234567890").has_value());
}

TEST(SourceText, DecodesUtf8ToCodePoints) {
  EXPECT_EQ(DecodeUtf8("a\xC3\xA4\xF0\xA0\x80\x80"), (std::u32string{U'a', U'ä', char32_t{0x20000}}));
  EXPECT_EQ(DecodeUtf8("\xFF"), std::u32string(1, char32_t{0xFFFD}));
  EXPECT_EQ(CodePointsToUtf16(std::u32string{U'a', char32_t{0x20000}}), (std::u16string{u'a', 0xD840, 0xDC00}));
}

}  // namespace
}  // namespace kellavor::dictbuild
