#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ime/lexicon/candidate_item.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/segmentation.h"
#include "tests/support/fixture_lexicon.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

constexpr const char* kAllPairs =
    "1=z,zh\n2=c,ch\n3=s,sh\n4=n,l\n5=f,h\n6=r,l\n7=an,ang\n8=en,eng\n9=in,ing\n10=ian,iang\n11=uan,uang\n";

// What every search result must satisfy, whatever the input.
void ExpectSound(Lexicon& lexicon, const base::GrowArray& list, std::u16string_view typed) {
  const size_t letters = std::min(typed.substr(0, typed.find(u'\0')).size(), kMaxSegmentedLetters);
  for (const Candidate& candidate : Records<Candidate>(list)) {
    ASSERT_TRUE(candidate.kind == kSi || candidate.kind == kPh || candidate.kind == kUs || candidate.kind == kSt);
    ASSERT_NE(candidate.entry, nullptr);
    EXPECT_LE(candidate.consumed, letters);
    char16_t buffer[256];
    CandidateText(candidate, buffer, 256);
    DescribeCandidate(candidate);
    EXPECT_LE(lexicon.SyllableCodes(candidate).size(), kSentenceSyllables);
  }
  EXPECT_LE(lexicon.SentenceText().size(), kSentenceTextUnits);
  EXPECT_LE(lexicon.SentenceSyllables().size(), kSentenceSyllables);
}

class Robustness : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_FALSE(FixtureDictionaryFolder().empty()) << "KELLAVOR_FIXTURE_DICTIONARIES is not set"; }
};

TEST_F(Robustness, MissingDictionariesAndAReleasedPhraseTableFindNothingOrTheSame) {
  UseFixtureResources();
  Lexicon missing({u"KellavorTest_Si_Missing", u"KellavorTest_Ph_Missing", u"KellavorTest_De_Missing"});
  missing.Initialise({u"no/data_si.bin", u"no/data_ph.bin", u"no/data_de.bin", u"no/mohuyin.Ini"}, true);
  base::GrowArray list = EmptyCandidateList();
  EXPECT_EQ(missing.SearchPinyin(u"zhongguo", list, 15, true), 0);
  EXPECT_EQ(missing.SearchPinyin(u"zhongguoa", list, 15, true), 0);

  const std::unique_ptr<Lexicon> lexicon = FixtureLexicon(u"Released");
  lexicon->SearchPinyin(u"nihaozhongguo", list, 2, true);
  const std::u16string before = CandidateTexts(list);
  lexicon->ReleasePhraseTable();
  list = EmptyCandidateList();
  lexicon->SearchPinyin(u"nihaozhongguo", list, 2, true);
  EXPECT_EQ(CandidateTexts(list), before);
}

TEST_F(Robustness, PathologicalRunsStayWithinTheBuffers) {
  const std::unique_ptr<Lexicon> lexicon = FixtureLexicon(u"Pathological", kAllPairs);
  HandMadeUserBlock block;
  block.AddPhrase(u"中国人民", {0, 1, 2, 3, 4, 5, 6, 7, 8}, 1, true);
  lexicon->SetUserBlock(block.View());
  std::u16string zgrm;
  while (zgrm.size() < 300) zgrm += u"zgrm";
  std::u16string alternating;
  while (alternating.size() < 64) alternating += u"bpmf";
  for (const std::u16string& text : {std::u16string(64, u'a'), std::u16string(64, u'h'), std::u16string(300, u'x'),
                                     std::u16string(32, u'z') + std::u16string(32, u'h'), alternating, zgrm,
                                     zgrm.substr(0, 64), std::u16string(u"ZHONGguo\0zhongguo", 17), std::u16string(64, u'中')}) {
    base::GrowArray list = EmptyCandidateList();
    lexicon->SearchPinyin(text, list, 15, true);
    ExpectSound(*lexicon, list, text);
  }
  base::GrowArray list = EmptyCandidateList();
  lexicon->SearchPinyin(zgrm, list, 15, true);
  ASSERT_GT(list.count(), 0);
  EXPECT_EQ(list.At<Candidate>(0).kind, kSt);
  EXPECT_GE(lexicon->SentenceSyllables().size(), 120u) << "the sentence fills the syllables, then stops";
}

TEST_F(Robustness, RandomInputNeverBreaksTheSearch) {
  const std::unique_ptr<Lexicon> lexicon = FixtureLexicon(u"Random", kAllPairs);
  HandMadeUserBlock block;
  block.AddChar(u'中', 420, 3);
  block.AddPhrase(u"我去北京", {371, 287, 11, 157}, 1, true);
  lexicon->SetUserBlock(block.View());
  std::mt19937 random(20240611);
  const std::u16string alphabet = u"aaeeiioouuvngzhcshxqjlrfbpmdtwykgAZH'中";
  for (int round = 0; round < 400; ++round) {
    std::u16string text(random() % 65, u'a');
    for (char16_t& unit : text) unit = alphabet[random() % alphabet.size()];
    base::GrowArray list = EmptyCandidateList();
    lexicon->SearchPinyin(text, list, static_cast<uint8_t>(random() % 16), random() % 2 == 0);
    ExpectSound(*lexicon, list, text);
    if (::testing::Test::HasFailure()) {
      ADD_FAILURE() << "input " << std::string(text.begin(), text.end());
      return;
    }
  }
}

}  // namespace
}  // namespace kellavor::lexicon
