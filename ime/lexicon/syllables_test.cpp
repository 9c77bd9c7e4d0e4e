#include "ime/lexicon/syllables.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ime/lexicon/syllable_set.h"

namespace kellavor::lexicon {
namespace {

std::vector<FuzzyPair> Pairs(std::initializer_list<std::u16string_view> values) {
  std::vector<FuzzyPair> pairs;
  for (const std::u16string_view value : values) pairs.push_back(*ParseFuzzyPair(value));
  return pairs;
}

class Syllables : public ::testing::Test {
 protected:
  const SyllableTable table_{EncodeSyllableTable(ShippedSyllables())};
};

TEST_F(Syllables, TheTableDecidesAndEightLettersAreNeverOne) {
  for (const std::u16string_view text : {u"a", u"zhuang", u"lve", u"zh", u"g", u"er"}) {
    EXPECT_TRUE(IsSyllable(table_, {}, text)) << std::string(text.begin(), text.end());
  }
  for (const std::u16string_view text : {u"", u"v", u"zua", u"Zhong", u"zhuangg", u"zhuangzh", u"i"}) {
    EXPECT_FALSE(IsSyllable(table_, {}, text)) << std::string(text.begin(), text.end());
  }
}

TEST_F(Syllables, FuzzyPairsMakeSyllablesInBothDirections) {
  const std::vector<FuzzyPair> zzh = Pairs({u"z,zh"});
  EXPECT_TRUE(IsSyllable(table_, zzh, u"zua")) << "zua reads as zhua";
  const std::vector<FuzzyPair> reversed = Pairs({u"zh,z"});
  EXPECT_TRUE(IsSyllable(table_, reversed, u"zua")) << "the pair written the other way round";
  EXPECT_FALSE(IsSyllable(table_, zzh, u"zhhua")) << "a text that already begins with zh is not widened again";
  EXPECT_EQ(FuzzyMatch(reversed, u"zhang", u"zang"), 0);
  EXPECT_EQ(FuzzyMatch(reversed, u"zang", u"zhang"), 0);
  const std::vector<FuzzyPair> ln = Pairs({u"l,n"});
  EXPECT_TRUE(IsSyllable(table_, ln, u"nia"));
  EXPECT_FALSE(IsSyllable(table_, ln, u"nuai"));
}

TEST_F(Syllables, BareAndDoubleInitials) {
  int bare = 0;
  for (uint32_t k = 0; k < table_.Count(); ++k) bare += IsBareInitial(table_.Text(k));
  EXPECT_EQ(bare, 23);
  EXPECT_FALSE(IsBareInitial(u"Z"));
  EXPECT_FALSE(IsBareInitial(u"zhi"));
  for (const std::u16string_view text : {u"ch", u"sh", u"zh", u"ZH", u"Sh", u"cH"}) EXPECT_TRUE(IsDoubleInitial(text));
  for (const std::u16string_view text : {u"kh", u"z", u"zha", u"hh"}) EXPECT_FALSE(IsDoubleInitial(text));
}

TEST_F(Syllables, FuzzyMatchIsEqualityWithoutPairsAndSymmetricWithThem) {
  EXPECT_EQ(FuzzyMatch({}, u"zhang", u"zhang"), 0);
  EXPECT_LT(FuzzyMatch({}, u"zhan", u"zhang"), 0) << "the typed syllable must cover the dictionary syllable";
  EXPECT_GT(FuzzyMatch({}, u"zhang", u"zhan"), 0);
  EXPECT_GT(FuzzyMatch({}, u"zhe", u"zha"), 0);
  EXPECT_NE(FuzzyMatch({}, u"zang", u"zhang"), 0);

  const std::vector<FuzzyPair> pairs = Pairs({u"z,zh", u"n,l", u"an,ang"});
  EXPECT_EQ(FuzzyMatch(pairs, u"zang", u"zhang"), 0);
  EXPECT_EQ(FuzzyMatch(pairs, u"zhang", u"zang"), 0);
  EXPECT_EQ(FuzzyMatch(pairs, u"zua", u"zhua"), 0);
  EXPECT_EQ(FuzzyMatch(pairs, u"nan", u"lan"), 0);
  EXPECT_EQ(FuzzyMatch(pairs, u"lan", u"nang"), 0) << "two pairs in one syllable";
  EXPECT_EQ(FuzzyMatch(pairs, u"zhan", u"zhang"), 0);
  EXPECT_EQ(FuzzyMatch(pairs, u"zhang", u"zhan"), 0);
  EXPECT_NE(FuzzyMatch(pairs, u"zhen", u"zheng"), 0) << "en/eng is not a pair here";
  EXPECT_NE(FuzzyMatch(Pairs({u"z, zh"}), u"zang", u"zhang"), 0) << "a blank after the comma is part of the sound";
}

TEST_F(Syllables, InitialMatchComparesTheInitialOfTheDictionarySyllable) {
  EXPECT_EQ(InitialMatch({}, u"z", u"za"), 0);
  EXPECT_EQ(InitialMatch({}, u"z", u"zi"), 0);
  EXPECT_NE(InitialMatch({}, u"z", u"zhang"), 0);
  EXPECT_EQ(InitialMatch({}, u"zh", u"zhang"), 0);
  EXPECT_EQ(InitialMatch({}, u"s", u"sang"), 0);
  EXPECT_NE(InitialMatch({}, u"s", u"shang"), 0);
  EXPECT_NE(InitialMatch({}, u"e", u"er"), 0) << "a syllable beginning with a vowel matches only itself";
  EXPECT_EQ(InitialMatch({}, u"er", u"er"), 0);
  const std::vector<FuzzyPair> zzh = Pairs({u"z,zh"});
  EXPECT_EQ(InitialMatch(zzh, u"z", u"zhang"), 0);
  EXPECT_EQ(InitialMatch(zzh, u"zh", u"zang"), 0);
  EXPECT_NE(InitialMatch(zzh, u"c", u"chang"), 0);
}

// Segmentation asks the gathered set instead of IsSyllable: the two must never disagree.
TEST(SyllableSet, AnswersAsIsSyllableDoes) {
  const SyllableTable table{EncodeSyllableTable(ShippedSyllables())};
  const std::vector<std::vector<FuzzyPair>> lists = {
      {},
      Pairs({u"z,zh", u"c,ch", u"s,sh", u"n,l", u"f,h", u"r,l", u"an,ang", u"en,eng", u"in,ing", u"ian,iang", u"uan,uang"}),
      Pairs({u"zh,z", u"ang,an", u"h,sh", u"z, zh", u"iong,ong", u"a,e", u"uang,v"}),
  };
  std::mt19937 random(11);
  const std::u16string alphabet = u"aeiouvnghzcslrfbpmdtjqxwyk";
  for (const std::vector<FuzzyPair>& pairs : lists) {
    const SyllableSet set(table, pairs);
    std::vector<std::u16string> texts;
    for (uint32_t k = 0; k < table.Count(); ++k) {
      const std::u16string entry(table.Text(k));
      texts.push_back(entry);
      for (const FuzzyPair& pair : pairs) {
        texts.push_back(std::u16string(pair.a()) + entry);
        texts.push_back(std::u16string(pair.b()) + entry);
        texts.push_back(std::u16string(pair.a()) + entry.substr(1));
        texts.push_back(std::u16string(pair.b()) + entry.substr(1));
      }
    }
    for (int round = 0; round < 20000; ++round) {
      std::u16string text(1 + random() % 8, u'a');
      for (char16_t& unit : text) unit = alphabet[random() % alphabet.size()];
      texts.push_back(text);
    }
    for (const std::u16string& text : texts) {
      ASSERT_EQ(set.Contains(text), IsSyllable(table, pairs, text)) << std::string(text.begin(), text.end());
    }
  }
}

}  // namespace
}  // namespace kellavor::lexicon
