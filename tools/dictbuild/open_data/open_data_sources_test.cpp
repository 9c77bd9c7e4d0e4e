#include "tools/dictbuild/open_data/open_data_sources.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/support/test_folder.h"
#include "tools/dictbuild/open_data/pinyin_simp_source.h"

namespace kellavor::dictbuild {
namespace {

class OpenDataSourcesTest : public ::testing::Test {
 protected:
  OpenDataSourcesTest() : folder_("open_data_sources") {
    Write("pinyin.dict.yaml",
          "---\nname: sample\n...\n"
          "房\tfang\t4000000\n"
          "子\tzi\t3000\n"
          "子\tzi\t5000\n"  // listed twice: the larger weight counts
          "狗\tgou\n"
          "房子\tfang zi\t900\n"
          "狗子\tgou zi\t20\n"
          "房子狗子房\tfang zi gou zi fang\t1\n");
    Write("unihan/Unihan_OtherMappings.txt",
          "U+623F\tkGB0\t2353\nU+623F\tkTGH\t2013:1\nU+5B50\tkGB0\t5620\nU+72D7\tkGB0\t5601\n");
    Write("unihan/Unihan_Variants.txt", "U+56FD\tkTraditionalVariant\tU+570B\n");
    // Articles at 0 (Haus, 19 bytes), 19 (Hund, 17 bytes) and 36 (a phrase, 32 bytes).
    Write("ding.dict", "Haus\n {n}\n   house\nHund\n {m}\n   dog\nder Hund\n des Hauses\n   the dog\n");
    Write("ding.index", "haus\tA\tT\nhund\tT\tR\nder\tk\tg\n");
    Write("extra.dict", "Hütte /x/\nhut\n      \"Hund und Hütte\"  - dog and hut\n");
    Write("extra.index", "hütte\tA\t2\n");  // 54 bytes
    Write("cedict.js",
          "export default {\"all\":[[\"房子\",\"房子\",\"fang2 zi5\",[\"house\",\"building\"],[],[]],"
          "[\"狗\",\"狗\",\"gou3\",\"dog\",[],[]]]}");
  }

  void Write(const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder_.Native() / name;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
  }

  OpenDataPaths Paths() const {
    const auto at = [&](const char* name) { return (folder_.Native() / name).string(); };
    return {at("pinyin.dict.yaml"), at("unihan"), at("ding.dict"), at("extra.dict"), at("cedict.js"), {}, "", ""};
  }

  TestFolder folder_;
};

TEST_F(OpenDataSourcesTest, FillsEveryPartOfTheSource) {
  std::ostringstream log;
  const DictionarySource source = LoadOpenDataSources(Paths(), log);

  ASSERT_EQ(source.chars.size(), 3u);
  EXPECT_EQ(source.chars[0].character, U'子');
  EXPECT_EQ(source.chars[0].syllable, "zi");
  EXPECT_EQ(source.chars[0].charClass, 10) << "second-level GB 2312";
  EXPECT_EQ(source.chars[1].character, U'房');
  EXPECT_EQ(source.chars[1].frequency, 0xFFFFu) << "the largest weight scales to 16 bits";
  EXPECT_EQ(source.chars[1].charClass, 15);
  EXPECT_LT(source.chars[0].frequency, source.chars[1].frequency);
  EXPECT_GT(source.chars[0].frequency, ScaleCharacterWeight(3000, 4000000));
  EXPECT_EQ(source.chars[2].character, U'狗');
  EXPECT_EQ(source.chars[2].frequency, ScaleCharacterWeight(kUnweightedLineWeight, 4000000));

  ASSERT_EQ(source.phrases.size(), 2u) << "the five-character word is skipped";
  EXPECT_EQ(source.phrases[0].text, u"房子");
  EXPECT_EQ(source.phrases[0].syllables, (std::vector<std::string>{"fang", "zi"}));
  EXPECT_EQ(source.phrases[0].frequency, 900u);
  EXPECT_EQ(source.phrases[0].charClass, 10);
  EXPECT_EQ(source.phrases[1].charClass, 10);

  ASSERT_EQ(source.traditional.size(), 1u);
  EXPECT_EQ(source.traditional[0].traditional, u'國');

  ASSERT_EQ(source.words.size(), 3u);
  EXPECT_EQ(source.words[0].word, u"Hund") << "found in three texts";
  EXPECT_EQ(source.words[0].frequency, 3u);
  EXPECT_EQ(source.words[0].hint, u"狗");
  EXPECT_EQ(source.words[1].word, u"Haus");
  EXPECT_EQ(source.words[1].hint, u"房子");
  EXPECT_EQ(source.words[2].word, u"Hütte") << "taken from the second dictionary";
  EXPECT_EQ(source.words[2].hint, u"");
  EXPECT_NE(log.str().find("of the 3 most frequent 2 (66%) carry a hint"), std::string::npos) << log.str();
}

TEST_F(OpenDataSourcesTest, CountsUseInDocumentsAndAppliesCorrections) {
  Write("man/haus.1", ".SH NAME\nHaus \\- ein Haus mit Haus und Haus\n");
  Write("help/page.html", "<div id=\"DisplayArea\"><p>Im Haus</p></div>");
  Write("documents.txt", (folder_.Native() / "man/haus.1").string() + "\n" +
                             (folder_.Native() / "help/page.html").string() + "\n");
  Write("corrections.tsv", "# word, glosses, reason\nHütte\t小屋\tno gloss found\n");
  OpenDataPaths paths = Paths();
  paths.usageTexts = (folder_.Native() / "documents.txt").string();
  paths.glossCorrections = (folder_.Native() / "corrections.tsv").string();
  std::ostringstream log;
  const DictionarySource source = LoadOpenDataSources(paths, log);
  ASSERT_EQ(source.words.size(), 3u);
  EXPECT_EQ(source.words[0].word, u"Haus") << "used in the documents more than Hund";
  EXPECT_EQ(source.words[1].frequency, 60000000u) << "Hund: three of five words of the dictionaries' text";
  EXPECT_EQ(source.words[2].hint, u"小屋");
  EXPECT_NE(log.str().find("German documents: 2 files"), std::string::npos) << log.str();
}

TEST_F(OpenDataSourcesTest, WorksWithoutTheSecondDictionary) {
  OpenDataPaths paths = Paths();
  paths.germanEnglishExtra.clear();
  std::ostringstream log;
  EXPECT_EQ(LoadOpenDataSources(paths, log).words.size(), 2u);
}

TEST_F(OpenDataSourcesTest, ThrowsWhenARequiredSourceIsMissing) {
  std::ostringstream log;
  OpenDataPaths paths = Paths();
  paths.unihan += "-missing";
  EXPECT_THROW(LoadOpenDataSources(paths, log), std::runtime_error);
  paths = Paths();
  Write("cedict.js", "export default {\"all\":[[]]}");
  EXPECT_THROW(LoadOpenDataSources(paths, log), std::runtime_error);
}

}  // namespace
}  // namespace kellavor::dictbuild
