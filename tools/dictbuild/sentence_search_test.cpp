// The sentence search end to end: a small dictionary and corpus written by the writer, read back by
// the Lexicon, with the language model on, off, missing and damaged.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/dictionary_format.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/lexicon.h"
#include "ime/lexicon/record_lists.h"
#include "ime/platform/module_resources.h"
#include "tests/support/test_folder.h"
#include "tools/dictbuild/dictionary_check.h"
#include "tools/dictbuild/dictionary_writer.h"

namespace kellavor::dictbuild {
namespace {

using lexicon::Candidate;
using lexicon::Lexicon;
using namespace lexicon::candidate_kind;

// fang an quan: the greedy assembly takes the strongest word at the front, 方案, and is left with
// 全; the corpus puts 放 before 安全 again and again, and the best path is 放安全.
DictionarySource SentenceSource() {
  DictionarySource source;
  for (const auto& [character, reading, frequency] :
       std::initializer_list<std::tuple<char32_t, const char*, uint32_t>>{
           {U'放', "fang", 5000}, {U'方', "fang", 6000}, {U'安', "an", 5000}, {U'案', "an", 3000},
           {U'全', "quan", 5000}, {U'帽', "mao", 1000}, {U'我', "wo", 9000}, {U'们', "men", 5000},
           {U'请', "qing", 3000}, {U'好', "hao", 6000}}) {
    source.chars.push_back({character, reading, frequency, 15});
  }
  source.phrases.push_back({u"方案", {"fang", "an"}, 9000, 15});
  source.phrases.push_back({u"安全", {"an", "quan"}, 5000, 15});
  source.phrases.push_back({u"我们", {"wo", "men"}, 8000, 15});
  for (const char16_t* clause : {u"请放安全帽", u"我们放安全帽", u"放安全帽", u"放好安全帽", u"请放安全", u"我们放安全"}) {
    source.corpus.emplace_back(clause);
  }
  return source;
}

class SentenceSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ostringstream log;
    WriteDictionaryFolder(BuildDictionaryImages(SentenceSource(), log), folder_.Native(), {}, log);
    platform::SetResourceFolder(folder_.Folder());
  }

  // The St candidate's text for the typed letters, or "" when there is none.
  std::u16string Sentence(const std::u16string& modelFile, std::u16string_view typed, bool smart = true) {
    Lexicon lexicon({u"SentenceSi", u"SentencePh", u"SentenceDe", u"SentenceLm"});
    lexicon.Initialise({folder_.Path(u"data_si.bin"), folder_.Path(u"data_ph.bin"), folder_.Path(u"data_de.bin"),
                        {}, folder_.Path(modelFile)},
                       false);
    lexicon.SetSmartSentence(smart);
    base::GrowArray candidates(sizeof(Candidate), 100);
    lexicon.SearchPinyin(typed, candidates, 15, true);
    lastFault_ = lexicon.ModelFault();
    for (const Candidate& candidate : lexicon::Records<Candidate>(candidates)) {
      if (candidate.kind == kSt) return std::u16string(static_cast<const char16_t*>(candidate.entry));
    }
    return {};
  }

  void WriteDamaged(const std::u16string& name, size_t keep, size_t at, uint8_t value) {
    std::ifstream in(folder_.Native() / "data_lm.bin", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.resize(std::min(bytes.size(), keep));
    if (at < bytes.size()) bytes[at] = static_cast<char>(value);
    std::ofstream(folder_.Native() / std::filesystem::path(name), std::ios::binary) << bytes;
  }

  TestFolder folder_{"sentence_search"};
  std::string lastFault_;
};

TEST_F(SentenceSearch, BestPathBeatsGreedyAndTheSettingRestoresGreedy) {
  EXPECT_EQ(Sentence(u"data_lm.bin", u"fanganquan"), u"放安全");
  EXPECT_TRUE(lastFault_.empty()) << lastFault_;
  EXPECT_EQ(Sentence(u"data_lm.bin", u"fanganquan", false), u"方案全");
  EXPECT_EQ(Sentence(u"data_lm.bin", u"womenfanganquan"), u"我们放安全");
  std::ostringstream report;
  EXPECT_EQ(CheckDictionaryFolder(folder_.Native(), report), 0u) << report.str();
}

TEST_F(SentenceSearch, MissingOrDamagedModelFallsBackToGreedy) {
  EXPECT_EQ(Sentence(u"none.bin", u"fanganquan"), u"方案全");
  WriteDamaged(u"cut.bin", 200, SIZE_MAX, 0);
  EXPECT_EQ(Sentence(u"cut.bin", u"fanganquan"), u"方案全");
  EXPECT_FALSE(lastFault_.empty());
  WriteDamaged(u"magic.bin", SIZE_MAX, 0, 'X');
  EXPECT_EQ(Sentence(u"magic.bin", u"fanganquan"), u"方案全");
  // Word 9 is the pair slot count: 3 is no power of two.
  WriteDamaged(u"slots.bin", SIZE_MAX, 4 * 9, 3);
  EXPECT_EQ(Sentence(u"slots.bin", u"fanganquan"), u"方案全");
  EXPECT_FALSE(lastFault_.empty());
  // Word 14 is the pair filter's block count.
  WriteDamaged(u"filter.bin", SIZE_MAX, 4 * 14, 3);
  EXPECT_EQ(Sentence(u"filter.bin", u"fanganquan"), u"方案全");
  EXPECT_FALSE(lastFault_.empty());
  // Word 3 is the text pool's offset: an odd one would have every text read at an odd address.
  std::ifstream model(folder_.Native() / "data_lm.bin", std::ios::binary);
  const std::string modelBytes((std::istreambuf_iterator<char>(model)), std::istreambuf_iterator<char>());
  WriteDamaged(u"odd_pool.bin", SIZE_MAX, 4 * 3, static_cast<uint8_t>(modelBytes[4 * 3] | 1));
  EXPECT_EQ(Sentence(u"odd_pool.bin", u"fanganquan"), u"方案全");
  EXPECT_FALSE(lastFault_.empty());
  // A file cut inside the pair table.
  std::ifstream in(folder_.Native() / "data_lm.bin", std::ios::binary | std::ios::ate);
  WriteDamaged(u"short.bin", static_cast<size_t>(in.tellg()) - 13, SIZE_MAX, 0);
  EXPECT_EQ(Sentence(u"short.bin", u"fanganquan"), u"方案全");
}

// The filter of the stored pairs only spares reading the pair table: every pair costs what the
// table alone gives, stored or not.
TEST_F(SentenceSearch, ThePairFilterChangesNoCost) {
  std::ifstream in(folder_.Native() / "data_lm.bin", std::ios::binary);
  const std::vector<uint8_t> filtered((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<uint8_t> unfiltered = filtered;
  std::fill_n(unfiltered.begin() + 4 * lexicon::model_word::kPairFilterBlocks, 4, uint8_t{0});
  std::string fault;
  const std::optional<lexicon::ModelLayout> withFilter = lexicon::LocateModelFile(filtered, fault);
  const std::optional<lexicon::ModelLayout> withoutFilter = lexicon::LocateModelFile(unfiltered, fault);
  ASSERT_TRUE(withFilter && withoutFilter) << fault;
  ASSERT_NE(withFilter->pairFilterBlocks, 0u);
  const lexicon::LanguageModelView a(filtered.data(), *withFilter);
  const lexicon::LanguageModelView b(unfiltered.data(), *withoutFilter);
  ASSERT_GT(lexicon::HeaderWord(filtered.data(), lexicon::model_word::kPairCount), 0u);
  for (uint32_t previous = 0; previous < withFilter->words; ++previous) {
    for (uint32_t word = 1; word < withFilter->words; ++word) {
      ASSERT_EQ(a.Cost(previous, word), b.Cost(previous, word)) << previous << " " << word;
    }
  }
}

TEST_F(SentenceSearch, LongAndPathologicalInputsStayBounded) {
  for (const std::u16string& typed :
       {std::u16string(64, u'a'), std::u16string(255, u'z'), std::u16string(300, u'h'),
        [] {
          std::u16string text;
          while (text.size() < 255) text += u"fanganquanwomen";
          return text;
        }()}) {
    const std::u16string sentence = Sentence(u"data_lm.bin", typed);
    EXPECT_LE(sentence.size(), lexicon::kSentenceTextUnits);
  }
  std::u16string repeated;
  for (int k = 0; k < 4; ++k) repeated += u"fanganquan";
  EXPECT_EQ(Sentence(u"data_lm.bin", repeated), u"放安全放安全放安全放安全");
}

}  // namespace
}  // namespace kellavor::dictbuild
