#include "ime/lexicon/search_reuse.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ime/lexicon/lexicon.h"
#include "tests/support/fixture_lexicon.h"

namespace kellavor::lexicon {
namespace {

// Kind, extent, letters covered, text and syllable numbers of every candidate, and the sentence.
std::string Described(const Lexicon& lexicon, const base::GrowArray& list) {
  std::string out;
  for (const Candidate& candidate : Records<Candidate>(list)) {
    out += std::to_string(candidate.kind) + "/" + std::to_string(candidate.extent) + "/" +
           std::to_string(candidate.consumed) + "/";
    char16_t scratch[2];
    for (const char16_t unit : CandidateTextView(candidate, scratch)) out += std::to_string(unit) + ",";
    for (const uint16_t code : lexicon.SyllableCodes(candidate)) out += "." + std::to_string(code);
    out += " ";
  }
  for (const char16_t unit : lexicon.SentenceText()) out += std::to_string(unit) + ",";
  return out;
}

// Every prefix of the fixture's readings run together, and random runs of the letters they use.
std::vector<std::u16string> Inputs() {
  std::vector<std::u16string> words = {u"zhongguorenmin", u"xianzaiwomen", u"fanganfangan", u"tiananmen",
                                       u"nihaowomenrenmin", u"yinhangzhang", u"nvrenxiexie", u"zgrm", u"xianhua",
                                       u"hanyuyuyu", u"zhonguorenmin", u"lvren", u"xiangangzhong"};
  std::mt19937 random(19);
  const std::u16string letters = u"zhongaiuxmnfrwtyvle";
  for (int k = 0; k < 400; ++k) {
    std::u16string word(1 + random() % 24, u'a');
    for (char16_t& c : word) c = letters[random() % letters.size()];
    words.push_back(word);
  }
  std::vector<std::u16string> inputs;
  for (const std::u16string& word : words) {
    for (size_t n = 1; n <= word.size(); ++n) inputs.push_back(word.substr(0, n));
  }
  return inputs;
}

// The answers kept between keystrokes never change a result: a Lexicon keeping them and one
// computing every search again give the same lists for every prefix of typed words, under fuzzy
// pairs, with learned entries, for every character set, across a released phrase table, and
// prepared for the first key (as after activation) before the searches and again in between.
TEST(SearchReuse, KeptAnswersGiveTheResultsOfAFreshSearch) {
  const std::string pairs = "1=z,zh\n2=n,l\n3=an,ang\n4=f,h\n5=in,ing\n";
  const std::unique_ptr<Lexicon> kept = FixtureLexicon(u"ReuseKept", pairs);
  const std::unique_ptr<Lexicon> fresh = FixtureLexicon(u"ReuseFresh", pairs);
  fresh->SetSearchReuse(false);
  HandMadeUserBlock block;
  const SyllableTable& table = kept->Dictionaries().Syllables();
  block.AddChar(u'中', *table.Find(u"zhong"), 3);
  block.AddPhrase(u"中国人", {*table.Find(u"zhong"), *table.Find(u"guo"), *table.Find(u"ren")}, 5, false);
  block.AddPhrase(u"西安人", {*table.Find(u"xi"), *table.Find(u"an"), *table.Find(u"ren")}, 1, true);
  kept->SetUserBlock(block.View());
  fresh->SetUserBlock(block.View());

  size_t compared = 0;
  const std::vector<std::u16string> inputs = Inputs();
  kept->PrepareSearch();
  for (size_t i = 0; i < inputs.size(); ++i) {
    if (i == inputs.size() / 2) {
      kept->ReleasePhraseTable();
      kept->PrepareSearch();
    }
    const uint8_t mask = i % 3 == 0 ? 15 : 2;
    const bool withUser = i % 5 != 0;
    base::GrowArray a = EmptyCandidateList();
    base::GrowArray b = EmptyCandidateList();
    kept->SearchPinyin(inputs[i], a, mask, withUser);
    fresh->SearchPinyin(inputs[i], b, mask, withUser);
    ASSERT_EQ(Described(*kept, a), Described(*fresh, b)) << std::string(inputs[i].begin(), inputs[i].end());
    compared += static_cast<size_t>(a.count());
  }
  EXPECT_GT(compared, inputs.size()) << "the inputs find candidates";
}

TEST(SearchReuse, KeptAnswersAreFoundByTheirKeyAndTheLeastRecentGoes) {
  KeptAnswers<int, std::string> answers(2);
  answers.Add(1) = "one";
  answers.Add(2) = "two";
  ASSERT_NE(answers.Find(2), nullptr);
  EXPECT_EQ(*answers.Find(2), "two");
  ASSERT_NE(answers.Find(1), nullptr);
  answers.Add(3) = "three";
  EXPECT_EQ(answers.Find(2), nullptr) << "the answer used least recently went";
  EXPECT_EQ(*answers.Find(1), "one");
  EXPECT_EQ(*answers.Find(3), "three");
  answers.Clear();
  EXPECT_EQ(answers.Find(3), nullptr);
}

}  // namespace
}  // namespace kellavor::lexicon
