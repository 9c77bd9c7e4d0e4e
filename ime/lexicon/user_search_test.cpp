#include <gtest/gtest.h>

#include "ime/lexicon/candidate_item.h"
#include "ime/lexicon/lexicon.h"
#include "tests/support/fixture_lexicon.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

class UserSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set";
    lexicon_ = FixtureLexicon(u"UserSearch");
    // In the order of index 2: single characters by syllable number, German words, then phrases by
    // the first letters of their syllables.
    block_.AddChar(u'中', Syllable(u"zhong"), 3);
    block_.AddChar(u'々', kNoSyllable, 9);
    block_.AddGermanWord(u"Haus");
    block_.AddPhrase(u"我去北京", {Syllable(u"wo"), Syllable(u"qu"), Syllable(u"bei"), Syllable(u"jing")}, 1, true);
    block_.AddPhrase(u"中国", {Syllable(u"zhong"), Syllable(u"guo")}, 2, false);
    block_.AddPhrase(u"种过", {Syllable(u"zhong"), Syllable(u"guo")}, 1, false);
    block_.AddPhrase(u"中锅", {Syllable(u"zhong"), Syllable(u"guo")}, 7, false, 4);
    lexicon_->SetUserBlock(block_.View());
  }

  std::u16string Search(std::u16string_view text, bool withUser, uint8_t classMask = 2) {
    candidates_ = EmptyCandidateList();
    lexicon_->SearchPinyin(text, candidates_, classMask, withUser);
    return CandidateTexts(candidates_);
  }
  uint16_t Syllable(std::u16string_view text) const { return *lexicon_->Dictionaries().Syllables().Find(text); }

  std::unique_ptr<Lexicon> lexicon_;
  HandMadeUserBlock block_;
  base::GrowArray candidates_ = EmptyCandidateList();
};

TEST_F(UserSearch, LearnedEntriesHideTheSystemEntriesTheyEqualAndRankFirst) {
  EXPECT_EQ(Search(u"zhongguo", true), u"U:中国 U:种过 U:中 中国人 中国人民") << "中锅 is of class 4 only";
  EXPECT_EQ(Search(u"zhongguo", true, 4), u"U:中锅 U:中国 U:种过 U:中 中国人 中国人民");
  EXPECT_EQ(Search(u"zhong", true), u"U:中");
  EXPECT_EQ(lexicon_->SyllableCodes(candidates_.At<Candidate>(0)), std::vector<uint16_t>{Syllable(u"zhong")});
  EXPECT_EQ(Search(u"zg", true), u"U:中国 U:种过 中国人 中国人民");
  EXPECT_EQ(lexicon_->SyllableCodes(candidates_.At<Candidate>(0)),
            (std::vector<uint16_t>{Syllable(u"zhong"), Syllable(u"guo")}));
}

TEST_F(UserSearch, WithoutLearnedEntriesComposedSentencesAreStillOffered) {
  EXPECT_EQ(Search(u"zhongguo", false), u"中国 中国人 中国人民 中");
  EXPECT_EQ(Search(u"zhong", false), u"中");
  EXPECT_EQ(Search(u"woqubeijing", false), u"U:我去北京 我");
  EXPECT_EQ(Search(u"wqbj", false), u"U:我去北京 我");
  EXPECT_EQ(Search(u"woqubeijingnihao", false), u"St:我去北京你好 U:我去北京 我");
  EXPECT_EQ(lexicon_->SentenceSyllables().size(), 6u);
  EXPECT_EQ(lexicon_->SyllableCodes(candidates_.At<Candidate>(0)).size(), 6u);
}

TEST_F(UserSearch, ADamagedBlockFindsNothingItCannotRead) {
  const std::u16string intact = Search(u"zhongguo", true);
  uint8_t* dictionary = block_.Dictionary();
  const uint32_t areaSize = LoadU32(dictionary + user_block::kRecordAreaSizeField);
  std::memset(dictionary + user_block::kRecordAreaSizeField, 0, 4);
  EXPECT_EQ(Search(u"zhongguo", true), u"中国 中国人 中国人民 中");
  std::memcpy(dictionary + user_block::kRecordAreaSizeField, &areaSize, 4);
  EXPECT_EQ(Search(u"zhongguo", true), intact);

  // A phrase whose text has lost its zero unit is shown as an empty text, never read past its end.
  uint8_t* record = block_.Record(4);
  std::memset(record + user_block::kRecordHeaderSize, 0x41, LoadU16(record) - user_block::kRecordHeaderSize);
  EXPECT_EQ(Search(u"zhongguo", true), u"U:种过 中国 U:中 中国人 中国人民") << "its reading is gone with the zero";
  EXPECT_EQ(DescribeCandidate(MakeCandidate(kUs, 0, 4, record)).Text(), u"");
}

}  // namespace
}  // namespace kellavor::lexicon
