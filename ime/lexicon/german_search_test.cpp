#include "ime/lexicon/german_search.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ime/lexicon/candidate_text.h"
#include "tests/support/test_folder.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

namespace fs = std::filesystem;

struct Found {
  std::u16string text;
  uint16_t kind;
  uint8_t extent;
};

std::vector<Found> Listed(const base::GrowArray& list) {
  std::vector<Found> found;
  for (int32_t i = 0; i < list.count(); ++i) {
    const auto& candidate = list.At<Candidate>(i);
    char16_t scratch[2];
    found.push_back({std::u16string(CandidateTextView(candidate, scratch)), candidate.kind, candidate.extent});
  }
  return found;
}

std::vector<std::u16string> Texts(const base::GrowArray& list) {
  std::vector<std::u16string> texts;
  for (const Found& found : Listed(list)) texts.push_back(found.text);
  return texts;
}

class GermanSearchTest : public ::testing::Test {
 protected:
  GermanSearchTest()
      : dictionaries_(MapFixtureDictionaries()),
        folder_("german_search"),
        user_(*dictionaries_, UniqueUserNames("german"), [] {}) {
    user_.OpenUserDictionary(folder_.Path(u"data_us.bin"));
  }

  std::vector<Found> Search(std::u16string_view text) {
    base::GrowArray list(sizeof(Candidate), 100);
    SearchGerman({*dictionaries_, speller_, user_.View()}, text, list);
    return Listed(list);
  }
  std::vector<std::u16string> SearchTexts(std::u16string_view text) {
    base::GrowArray list(sizeof(Candidate), 100);
    SearchGerman({*dictionaries_, speller_, user_.View()}, text, list);
    return Texts(list);
  }

  // A speller on the shipped German files, for the tests of corrections.
  bool UseShippedSpeller() {
    const char* files = std::getenv("KELLAVOR_SPELL_FILES");
    if (files == nullptr) return false;
    const fs::path spell = folder_.Native() / "install" / "spell";
    fs::create_directories(spell);
    fs::copy_file(fs::path(files) / "de_DE.aff", spell / "de_DE.aff", fs::copy_options::overwrite_existing);
    fs::copy_file(fs::path(files) / "de_DE.dic", spell / "de_DE.dic", fs::copy_options::overwrite_existing);
    speller_.CreateSpeller((folder_.Native() / "install" / "data_si.bin").u16string());
    return true;
  }

  std::unique_ptr<SystemDictionaries> dictionaries_;
  TestFolder folder_;
  UserDictionary user_;
  Speller speller_;
};

TEST_F(GermanSearchTest, FoldsTheInputAndRanksWordsOfTheTypedLengthFirst) {
  const std::vector<Found> mad = Search(u"mad");
  ASSERT_FALSE(mad.empty());
  EXPECT_EQ(mad[0].text, u"Mädchen") << "no word has 3 letters, so frequency decides";
  bool sawMaedchen = false;
  for (const Found& found : mad) {
    if (found.text == u"Mädchen") {
      sawMaedchen = true;
      EXPECT_EQ(found.extent, 1);
    }
  }
  EXPECT_TRUE(sawMaedchen) << "mad finds Mädchen through its key madchen";

  const std::vector<Found> madchen = Search(u"madchen");
  ASSERT_FALSE(madchen.empty());
  EXPECT_EQ(madchen[0].text, u"Mädchen");
  EXPECT_EQ(madchen[0].extent, 0);

  // Among words longer than the input, frequency decides.
  EXPECT_EQ(SearchTexts(u"ma"), (std::vector<std::u16string>{u"machen", u"Mann", u"Mädchen", u"Maus", u"Made", u"madig"}));
  EXPECT_EQ(SearchTexts(u"STRASSE"), (std::vector<std::u16string>{u"Straße", u"Straßen"}))
      << "capitals and ss fold; Straße, whose key is the input, leads the more frequent Straßen";
  const std::vector<Found> grun = Search(u"grun");
  ASSERT_EQ(grun.size(), 2u);
  EXPECT_EQ(grun[0].text, u"grün") << "the same key: the more frequent word leads";
  EXPECT_EQ(grun[1].extent, 0);
  EXPECT_TRUE(Search(u"").empty());
}

TEST_F(GermanSearchTest, LearnedWordsComeFirstAndHideTheSameDictionaryWord) {
  ASSERT_EQ(user_.LearnWord(u"Maus"), learn_result::kLearned);
  const std::vector<Found> found = Search(u"ma");
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found[0].text, u"Maus");
  EXPECT_EQ(found[0].kind, candidate_kind::kUs);
  int maus = 0;
  for (const Found& each : found) maus += each.text == u"Maus";
  EXPECT_EQ(maus, 1) << "one candidate per text, the learned one";

  ASSERT_EQ(user_.LearnWord(u"Mausefalle"), learn_result::kLearned);
  const std::vector<std::u16string> typedUpper = SearchTexts(u"Maus");
  EXPECT_EQ(typedUpper[0], u"Maus") << "the exact length leads over the learned longer word";
  EXPECT_TRUE(std::find(typedUpper.begin(), typedUpper.end(), u"Mausefalle") == typedUpper.end())
      << "typed capitals do not find learned words, whose folded form is lower case";
  const std::vector<std::u16string> typedLower = SearchTexts(u"maus");
  EXPECT_TRUE(std::find(typedLower.begin(), typedLower.end(), u"Mausefalle") != typedLower.end());
}

TEST_F(GermanSearchTest, AsksTheSpellerOnlyFromFiveUnitsOn) {
  if (!UseShippedSpeller()) GTEST_SKIP() << "KELLAVOR_SPELL_FILES is not set";
  EXPECT_TRUE(Search(u"Hudn").empty()) << "four units: no correction asked";
  const std::vector<std::u16string> corrected = SearchTexts(u"Mädchn");
  EXPECT_TRUE(std::find(corrected.begin(), corrected.end(), u"Mädchen") != corrected.end());
  const std::vector<std::u16string> exact = SearchTexts(u"heute");
  EXPECT_EQ(exact[0], u"heute") << "the exact word still leads when the speller is asked too";
}

TEST_F(GermanSearchTest, ACorrectionNeverOutranksTheTypedWordAndKeepsTheDictionaryCase) {
  if (!UseShippedSpeller()) GTEST_SKIP() << "KELLAVOR_SPELL_FILES is not set";
  const std::vector<Found> kaufen = Search(u"kaufen");
  ASSERT_GE(kaufen.size(), 2u);
  EXPECT_EQ(kaufen[0].text, u"kaufen");
  EXPECT_EQ(kaufen[1].text, u"Saufen") << "the speller's Saufen is eighteen times as frequent, yet comes after";
  EXPECT_EQ(kaufen[1].extent, 1);

  const std::vector<std::u16string> gestern = SearchTexts(u"gesetrn");
  ASSERT_EQ(gestern.size(), 2u) << "the capitalised suggestion brings both words of its key";
  EXPECT_EQ(gestern[0], u"gestern");
  EXPECT_EQ(gestern[1], u"Gestern");
}

TEST_F(GermanSearchTest, CorrectsFromTheDictionaryWithoutTheSpeller) {
  const std::vector<Found> hause = Search(u"Hause");
  ASSERT_EQ(hause.size(), 2u);
  EXPECT_EQ(hause[0].text, u"Haus") << "a correction of another length comes before the longer words";
  EXPECT_EQ(hause[0].extent, 0);
  EXPECT_EQ(hause[1].text, u"Häuser");
  EXPECT_EQ(SearchTexts(u"strassn"), (std::vector<std::u16string>{u"Straßen", u"Straße"}))
      << "both one edit away, by frequency";
  EXPECT_EQ(SearchTexts(u"gesetrn"), (std::vector<std::u16string>{u"gestern", u"Gestern"}));
  const std::vector<Found> kaufen = Search(u"kaufen");
  ASSERT_EQ(kaufen.size(), 2u);
  EXPECT_EQ(kaufen[1].text, u"Saufen") << "after the typed word, though more frequent";
  EXPECT_EQ(kaufen[1].extent, 1);
  EXPECT_TRUE(Search(u"Hudn").empty()) << "four units: no correction sought";
}

TEST(GermanSearch, CorrectionsWaitWhileTheLettersBeginACommonWord) {
  EXPECT_FALSE(CorrectionsWanted(4, 0)) << "four units are never corrected";
  EXPECT_TRUE(CorrectionsWanted(5, 0)) << "letters that begin no word";
  EXPECT_TRUE(CorrectionsWanted(9, kCommonWordFrequency - 1))
      << "letters that begin only rare words (Standart: Standarte)";
  EXPECT_FALSE(CorrectionsWanted(9, kCommonWordFrequency))
      << "letters that begin a common word are that word being typed";
}

TEST(GermanRankCompare, OrdersKindsByExtentThenLearnedFirst) {
  const uint8_t record[16] = {};
  const Candidate learnedLonger = MakeCandidate(candidate_kind::kUs, 1, 0, record);
  const Candidate dictionaryExact = MakeCandidate(candidate_kind::kPh, 0, 0, record);
  const Candidate dictionaryLonger = MakeCandidate(candidate_kind::kPh, 1, 0, record);
  EXPECT_GT(GermanRankCompare(&learnedLonger, &dictionaryExact, nullptr), 0);
  EXPECT_LT(GermanRankCompare(&learnedLonger, &dictionaryLonger, nullptr), 0);
  EXPECT_GT(GermanRankCompare(&dictionaryLonger, &learnedLonger, nullptr), 0);
}

}  // namespace
}  // namespace kellavor::lexicon
