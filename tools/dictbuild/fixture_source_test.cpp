#include "tools/dictbuild/fixture_source.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>

#include "tests/support/test_folder.h"

namespace kellavor::dictbuild {
namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

// A folder with the four files, the given one replaced by text.
TestFolder SourceFolder(const std::string& name, const std::string& file, const std::string& text) {
  TestFolder folder("fixture_" + name);
  for (const char* each : {"chars.tsv", "phrases.tsv", "words.tsv", "traditional.tsv"}) WriteText(folder.Native() / each, "");
  WriteText(folder.Native() / file, text);
  return folder;
}

std::string ErrorOf(const TestFolder& folder) {
  try {
    ReadFixtureSource(folder.Native());
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return "";
}

TEST(FixtureSource, ReadsEntriesOfAllFourFiles) {
  TestFolder folder = SourceFolder("all", "chars.tsv", "# comment\n\n中\tzhong\t70000\t15\r\n𠀀\the\t5\t8\n々\t-\t1\t8\n");
  WriteText(folder.Native() / "phrases.tsv", "中国\tzhong guo\t9\t15\n");
  WriteText(folder.Native() / "words.tsv", "Haus\t房子\\n房屋\t900\nund\t\t1\n");
  WriteText(folder.Native() / "traditional.tsv", "国\t國\n");
  const DictionarySource source = ReadFixtureSource(folder.Native());
  ASSERT_EQ(source.chars.size(), 3u);
  EXPECT_EQ(source.chars[0].character, U'中');
  EXPECT_EQ(source.chars[0].syllable, "zhong");
  EXPECT_EQ(source.chars[0].frequency, 70000u);
  EXPECT_EQ(source.chars[1].character, U'\U00020000');
  EXPECT_EQ(source.chars[2].syllable, "") << "- is no reading";
  ASSERT_EQ(source.phrases.size(), 1u);
  EXPECT_EQ(source.phrases[0].syllables, (std::vector<std::string>{"zhong", "guo"}));
  ASSERT_EQ(source.words.size(), 2u);
  EXPECT_EQ(source.words[0].hint, u"房子\\n房屋") << "the separator is the two characters backslash and n";
  EXPECT_EQ(source.words[1].hint, u"");
  ASSERT_EQ(source.traditional.size(), 1u);
  EXPECT_EQ(source.traditional[0].traditional, u'國');
}

TEST(FixtureSource, NamesFileAndLineOfAMalformedLine) {
  EXPECT_NE(ErrorOf(SourceFolder("fields", "chars.tsv", "中\tzhong\t1\t15\n中\tzhong\t1\n")).find("chars.tsv:2: 4 fields expected"),
            std::string::npos);
  EXPECT_NE(ErrorOf(SourceFolder("class", "chars.tsv", "中\tzhong\t1\t16\n")).find("chars.tsv:1: not a number up to 15"),
            std::string::npos);
  EXPECT_NE(ErrorOf(SourceFolder("char", "traditional.tsv", "国国\t國\n")).find("not one character"), std::string::npos);
  EXPECT_NE(ErrorOf(SourceFolder("number", "words.tsv", "Haus\t房子\tmany\n")).find("words.tsv:1"), std::string::npos);
  TestFolder missing("fixture_missing");
  EXPECT_NE(ErrorOf(missing).find("cannot read"), std::string::npos);
}

}  // namespace
}  // namespace kellavor::dictbuild
