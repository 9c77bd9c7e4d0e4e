#include "ime/lexicon/lexicon.h"

#include <gtest/gtest.h>

#include "ime/lexicon/candidate_item.h"
#include "tests/support/fixture_lexicon.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

class PinyinSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set";
    lexicon_ = FixtureLexicon(u"PinyinSearch");
  }

  std::u16string Search(std::u16string_view text, uint8_t classMask = 2, bool withUser = true) {
    candidates_ = EmptyCandidateList();
    const int32_t count = lexicon_->SearchPinyin(text, candidates_, classMask, withUser);
    EXPECT_EQ(count, candidates_.count());
    return CandidateTexts(candidates_);
  }
  const Candidate& At(int32_t i) const { return candidates_.At<Candidate>(i); }
  uint16_t Syllable(std::u16string_view text) const { return *lexicon_->Dictionaries().Syllables().Find(text); }

  std::unique_ptr<Lexicon> lexicon_;
  base::GrowArray candidates_ = EmptyCandidateList();
};

TEST_F(PinyinSearch, PhrasesMatchingTheSyllableCountLeadAndCharactersComeLast) {
  EXPECT_EQ(Search(u"zhongguo"), u"中国 中国人 中国人民 中");
  EXPECT_EQ(At(0).extent, 0);
  EXPECT_EQ(At(1).extent, 1);
  EXPECT_EQ(At(2).extent, 2);
  EXPECT_EQ(At(3).kind, kSi);
  EXPECT_EQ(At(3).consumed, 5) << "a character covers its syllable";
  EXPECT_EQ(Search(u"fangan"), u"方案 反感 方 反") << "both readings, the backward one too";
  EXPECT_EQ(Search(u"tiananmen"), u"天安门 天");
  EXPECT_EQ(Search(u""), u"");
}

TEST_F(PinyinSearch, OneLetterSyllablesOfAPhraseMatchEverySyllableWithThatLetter) {
  EXPECT_EQ(Search(u"zg"), u"中国 中国人 中国人民");
  EXPECT_EQ(Search(u"zgrm"), u"中国人民 中国人 中国");
  EXPECT_EQ(Search(u"tianam"), u"天安门 天");
  EXPECT_EQ(Search(u"tam"), u"") << "ta is a syllable of its own";
  EXPECT_EQ(Search(u"xz"), u"现在 现 行 先 西 谢 鲜") << "x alone finds every x character of class 1";
  EXPECT_EQ(Search(u"xa"), u"西安 现 行 先 西 谢 鲜");
  EXPECT_EQ(At(0).consumed, 2);
}

TEST_F(PinyinSearch, CharacterClassesAndTheMaskOfSeveralSyllables) {
  EXPECT_EQ(Search(u"xian"), u"西安 现 先 西 鲜 仙") << "xi an splits off through the phrase; class 14 after 15";
  EXPECT_EQ(Search(u"xian", 1), u"西安 现 先 西 鲜");
  EXPECT_EQ(Search(u"yu", 2), u"语 彧");
  EXPECT_EQ(Search(u"yu", 1), u"语");
  EXPECT_EQ(Search(u"he", 8), u"\U00020000");
  EXPECT_EQ(Search(u"he", 2), u"") << "no character of these classes";
  EXPECT_EQ(Search(u"xianzai"), u"现在 西安 现 先 西 鲜") << "several syllables: characters with mask 1";
  EXPECT_EQ(Search(u"d"), u"的") << "of the two readings of one character the more frequent stays";
  EXPECT_EQ(lexicon_->SyllableCodes(At(0)), std::vector<uint16_t>{Syllable(u"de")});
}

TEST_F(PinyinSearch, WithoutTheXiAnPhraseXianStaysOneSyllable) {
  const std::unique_ptr<Lexicon> noPhrases = FixtureLexicon(u"NoPhrases", "", false);
  base::GrowArray list = EmptyCandidateList();
  noPhrases->SearchPinyin(u"xian", list, 2, true);
  EXPECT_EQ(CandidateTexts(list), u"现 先 鲜 仙");
}

TEST_F(PinyinSearch, ASentenceIsAssembledWhenNoCandidateCoversTheInput) {
  EXPECT_EQ(Search(u"nihaozhongguo"), u"St:你好中国 你好 你");
  EXPECT_EQ(At(0).consumed, 13);
  EXPECT_EQ(At(0).extent, 0);
  EXPECT_EQ(At(0).entry, lexicon_->SentenceText().data());
  EXPECT_EQ(lexicon_->SentenceSyllables().size(), 4u);
  EXPECT_EQ(lexicon_->SyllableCodes(At(0)),
            (std::vector<uint16_t>{Syllable(u"ni"), Syllable(u"hao"), Syllable(u"zhong"), Syllable(u"guo")}));

  EXPECT_EQ(Search(u"zhongguoa"), u"St:中国啊 中国 中");
  EXPECT_EQ(Search(u"zhongguoq"), u"中国 中") << "a sentence equal to the first candidate is not added";
  EXPECT_EQ(Search(u"zhongguoren"), u"中国人 中国 中国人民 中") << "the first candidate covers the input";
  EXPECT_EQ(lexicon_->SentenceText(), u"中国") << "the buffers keep the last sentence assembled";
}

TEST_F(PinyinSearch, FuzzyPairsWorkInBothDirections) {
  lexicon_ = FixtureLexicon(u"FuzzySearch", "1=z,zh\n2=n,l\n3=an,ang\n");
  EXPECT_EQ(Search(u"zang"), u"长");
  EXPECT_EQ(lexicon_->SyllableCodes(At(0)), std::vector<uint16_t>{Syllable(u"zhang")});
  EXPECT_EQ(Search(u"zong"), u"中");
  EXPECT_EQ(Search(u"xianzhai").substr(0, 2), u"现在") << "a typed zh matches a dictionary z";

  Search(u"nv");
  ASSERT_EQ(candidates_.count(), 2);
  for (const Candidate& candidate : Records<Candidate>(candidates_)) {
    char16_t scratch[2];
    EXPECT_EQ(candidate.extent, CandidateTextView(candidate, scratch) == u"女" ? 1 : 2)
        << "the other initial is a second lookup";
  }
  Search(u"lv");
  for (const Candidate& candidate : Records<Candidate>(candidates_)) {
    char16_t scratch[2];
    EXPECT_EQ(candidate.extent, CandidateTextView(candidate, scratch) == u"绿" ? 1 : 2);
  }
  EXPECT_EQ(Search(u"fan"), u"方 反");
  EXPECT_EQ(Search(u"fang"), u"方 反");
}

TEST_F(PinyinSearch, CandidatesDescribeThemselvesForTheWindow) {
  Search(u"zhongguoa");
  CandidateItem item = DescribeCandidate(At(0));
  EXPECT_EQ(item.kind, candidate_item_kind::kString);
  EXPECT_EQ(item.text, lexicon_->SentenceText().data());
  item = DescribeCandidate(At(1));
  EXPECT_EQ(item.kind, candidate_item_kind::kString);
  EXPECT_EQ(item.Text(), u"中国");
  EXPECT_EQ(item.hint, nullptr);
  item = DescribeCandidate(At(2));
  EXPECT_EQ(item.kind, candidate_item_kind::kOneUnit);
  EXPECT_EQ(item.Text(), u"中");
  Search(u"he", 8);
  item = DescribeCandidate(At(0));
  EXPECT_EQ(item.kind, candidate_item_kind::kSurrogatePair);
  EXPECT_EQ(item.Text(), u"\U00020000");
  EXPECT_EQ(DescribeCandidate(MakeCandidate(kSs, 0, 0, u"mfg")).Text(), u"mfg");
  EXPECT_TRUE(lexicon_->SyllableCodes(MakeCandidate(kSs, 0, 0, u"mfg")).empty());
}

}  // namespace
}  // namespace kellavor::lexicon
