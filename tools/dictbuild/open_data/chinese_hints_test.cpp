#include "tools/dictbuild/open_data/chinese_hints.h"

#include <gtest/gtest.h>

namespace kellavor::dictbuild {
namespace {

PinyinDictionary Pinyin() {
  return ParsePinyinDictionary(
      "房子\tfang zi\t900\n"
      "房屋\tfang wu\t700\n"
      "屋子\twu zi\t300\n"
      "房\tfang\t90000\n"
      "家\tjia\t500000\n"
      "狗\tgou\t40000\n"
      "水\tshui\t80000\n"
      "浇水\tjiao shui\t5000\n"
      "都会\tdou hui\t90000\n"
      "都会\tdu hui\t10\n"
      "城市\tcheng shi\t2000\n"
      "光\tguang\t12000\n"
      "轻松\tqing song\t8000\n"
      "中国\tzhong guo\t300000\n"
      "瓷\tci\t9000\n"
      "咖啡\tka fei\t20000\n"
      "咖\tka\t30000\n");
}

std::vector<CedictEntry> Cedict() {
  return {
      {"房子", "fang2 zi5", {"house", "building"}},
      {"房屋", "fang2 wu1", {"house; building"}},
      {"屋子", "wu1 zi5", {"house; room"}},
      {"房", "fang2", {"(bound form) house"}},
      {"家", "jia1", {"home", "family"}},
      {"狗", "gou3", {"dog"}},
      {"狗", "Gou3", {"surname Gou"}},
      {"犬", "quan3", {"(literary) dog"}},
      {"苹果", "Ping2 guo3", {"Apple (company)"}},
      {"水", "shui3", {"water"}},
      {"浇水", "jiao1 shui3", {"to water"}},
      {"都会", "du1 hui4", {"city", "metropolis"}},
      {"城市", "cheng2 shi4", {"city; town"}},
      {"3D打印", "san1 D da3 yin4", {"to 3D print"}},
      {"咊", "he2", {"old variant of 和[he2]"}},
      {"光", "guang1", {"light; ray (CL:道[dao4])", "bright"}, true},
      {"轻松", "qing1 song1", {"light", "relaxed"}},
      {"中国", "Zhong1 guo2", {"China"}},
      {"瓷", "ci2", {"chinaware", "porcelain", "china"}},
      {"咖啡", "ka1 fei1", {"(loanword) coffee"}},
      {"咖", "ka1", {"coffee", "class", "grade"}},
  };
}

std::vector<WeightedSense> Senses(std::initializer_list<WeightedSense> senses) { return senses; }

class ChineseHintsTest : public ::testing::Test {
 protected:
  ChineseGlossary glossary_{Cedict(), Pinyin()};
};

TEST_F(ChineseHintsTest, RanksTheWordsOfTheLeadingSenseByFrequency) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"house", false, 150}, {"home", false, 12}}), false),
            (std::vector<std::u16string>{u"房子", u"房屋", u"屋子"}));
  EXPECT_EQ(glossary_.Glosses(Senses({{"home", false, 150}, {"house", false, 12}}), false)[0], u"家");
}

TEST_F(ChineseHintsTest, SkipsRestrictedDefinitionsAndProperNames) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"dog", false, 5}}), false), std::vector<std::u16string>{u"狗"});
  EXPECT_TRUE(glossary_.Glosses(Senses({{"apple", false, 5}}), false).empty());
  EXPECT_TRUE(glossary_.Glosses(Senses({{"3d print", true, 5}}), false).empty()) << "not all Han";
  EXPECT_TRUE(glossary_.Glosses(Senses({{"the", false, 500}}), false).empty());
  EXPECT_TRUE(glossary_.Glosses({}, false).empty());
}

TEST_F(ChineseHintsTest, PrefersMatchingNounsAndVerbs) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"water", false, 10}}), false)[0], u"水");
  EXPECT_EQ(glossary_.Glosses(Senses({{"water", true, 10}}), false)[0], u"浇水");
}

TEST_F(ChineseHintsTest, PrefersChineseNounsForGermanNouns) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"light", false, 10}}), true)[0], u"光");
  EXPECT_EQ(glossary_.Glosses(Senses({{"light", false, 10}}), false)[0], u"轻松");
}

TEST_F(ChineseHintsTest, WeighsAWordByItsReading) {
  // 都会 is common as "dou hui" (will all), rare as "du hui" (city).
  EXPECT_EQ(glossary_.Glosses(Senses({{"city", false, 80}, {"town", false, 70}}), false)[0], u"城市");
}

TEST_F(ChineseHintsTest, FallsBackToTheSingular) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"dogs", false, 3}}), false), std::vector<std::u16string>{u"狗"});
}

TEST_F(ChineseHintsTest, GlossesNamesOnlyForSensesWrittenAsNames) {
  WeightedSense country{"china", false, 5};
  country.proper = true;
  EXPECT_EQ(glossary_.Glosses({country}, true)[0], u"中国");
  EXPECT_EQ(glossary_.Glosses(Senses({{"china", false, 5}}), true)[0], u"瓷");
}

TEST_F(ChineseHintsTest, TakesALoanwordAndItsRemarkInFront) {
  EXPECT_EQ(glossary_.Glosses(Senses({{"coffee", false, 5}}), true)[0], u"咖啡")
      << "a remark before the sense does not narrow it";
}

TEST(ChineseHints, JoinsGlossesWithBackslashN) {
  EXPECT_EQ(JoinHint({u"房子", u"房屋"}), u"房子\\n房屋");
  EXPECT_EQ(JoinHint({u"狗"}), u"狗");
  EXPECT_EQ(JoinHint({}), u"");
}

}  // namespace
}  // namespace kellavor::dictbuild
