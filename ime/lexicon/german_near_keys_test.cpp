#include "ime/lexicon/german_near_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ime/platform/file_system.h"
#include "tests/support/test_folder.h"
#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

class NearKeysTest : public ::testing::Test {
 protected:
  // The keys one edit from folded, and whether some key begins within one edit.
  std::vector<std::u16string> Near(std::u16string_view folded, bool* begins = nullptr) {
    const NearKeyMatches matches = NearKeys().Find(*dictionaries_, folded);
    if (begins != nullptr) *begins = matches.begins;
    std::vector<std::u16string> keys;
    for (const KeyRange& range : matches.words) {
      keys.emplace_back(dictionaries_->WordRecordAt(dictionaries_->WordKeyIndex()[range.first]).key());
    }
    return keys;
  }

  std::unique_ptr<SystemDictionaries> dictionaries_ = MapFixtureDictionaries();
};

using Keys = std::vector<std::u16string>;

TEST_F(NearKeysTest, FindsTheKeysOneEditAwayAndNothingFarther) {
  EXPECT_EQ(Near(u"mdchen"), (Keys{u"machen", u"madchen"})) << "a letter replaced, or one dropped";
  EXPECT_EQ(Near(u"hausr"), (Keys{u"haus", u"hauser"})) << "a letter added, or one missing before the last";
  EXPECT_EQ(Near(u"comptuer"), Keys{u"computer"}) << "two neighbours swapped";
  EXPECT_EQ(Near(u"maxhen"), Keys{u"machen"}) << "a letter replaced";
  EXPECT_EQ(Near(u"maken"), Keys{u"machen"}) << "k written for ch";
  EXPECT_EQ(Near(u"hund"), Keys{u"und"}) << "the input itself is no correction of itself";
  EXPECT_EQ(Near(u"saufn"), Keys{u"saufen"}) << "kaufen is two edits away";
  EXPECT_EQ(Near(u"gesetrn"), Keys{u"gestern"}) << "one key for Gestern and gestern";

  bool begins = false;
  EXPECT_TRUE(Near(u"cpmpu", &begins).empty());
  EXPECT_TRUE(begins) << "cpmpu is one edit from the beginning of computer";
  EXPECT_TRUE(Near(u"xqxqx", &begins).empty());
  EXPECT_FALSE(begins);
}

// Words of the dictionary typed with a random slip, each after backspacing to where it parts from
// the input before: the kept variants give exactly what a fresh search finds, and nothing kept
// survives a change of dictionary.
TEST_F(NearKeysTest, KeptVariantsGiveTheAnswersOfAFreshSearch) {
  const std::vector<std::u16string> words = {u"haus", u"hauser", u"madchen", u"machen", u"computer", u"strassen",
                                             u"gestern", u"kaufen", u"saufen", u"heute", u"apfel"};
  constexpr std::u16string_view kLetters = u"acehmnsux";
  std::mt19937 random(19);
  NearKeys kept;
  std::u16string input;
  size_t searches = 0;
  size_t compared = 0;
  for (int round = 0; round < 300; ++round) {
    std::u16string target = words[random() % words.size()];
    const size_t at = random() % target.size();
    const char16_t letter = kLetters[random() % kLetters.size()];
    switch (random() % 4) {
      case 0: target.erase(at, 1); break;
      case 1: target.insert(at, 1, letter); break;
      case 2: target[at] = letter; break;
      default: break;
    }
    size_t shared = 0;
    while (shared < input.size() && shared < target.size() && input[shared] == target[shared]) ++shared;
    input.resize(shared);
    if (round % 50 == 0) {
      const SystemDictionaries noWords;
      const NearKeyMatches none = kept.Find(noWords, input);
      EXPECT_TRUE(none.words.empty());
      EXPECT_FALSE(none.begins);
    }
    while (input.size() < target.size()) {
      input += target[input.size()];
      const NearKeyMatches a = kept.Find(*dictionaries_, input);
      const NearKeyMatches b = NearKeys().Find(*dictionaries_, input);
      ++searches;
      ASSERT_EQ(a.begins, b.begins) << "after " << searches << " searches";
      ASSERT_EQ(a.words.size(), b.words.size()) << "after " << searches << " searches";
      for (size_t i = 0; i < a.words.size(); ++i) {
        EXPECT_EQ(a.words[i].first, b.words[i].first);
        EXPECT_EQ(a.words[i].last, b.words[i].last);
      }
      compared += a.words.size();
    }
  }
  EXPECT_GT(compared, 300u) << "the typing reached words";
}

// The order of the key index is not checked when a dictionary is mapped: walking an index out of
// order gives wrong answers, but every search ends.
TEST(NearKeys, AnIndexOutOfOrderStillEnds) {
  UseFixtureResources();
  std::vector<uint8_t> words = platform::ReadWholeFile(FixtureDictionaryPath(u"data_de.bin"), 1u << 20).value_or(
      std::vector<uint8_t>{});
  ASSERT_FALSE(words.empty());
  const uint32_t count = HeaderWord(words.data(), header_word::kEntryCount);
  const uint32_t offset = HeaderWord(words.data(), header_word::kWordKeyIndex);
  for (uint32_t k = 0; k < count / 2; ++k) {
    std::swap_ranges(words.begin() + offset + 4 * k, words.begin() + offset + 4 * k + 4,
                     words.begin() + offset + 4 * (count - 1 - k));
  }
  TestFolder folder("near_keys_out_of_order");
  ASSERT_TRUE(platform::WriteWholeFile(folder.Path(u"de.bin"), words.data(), words.size()));
  SystemDictionaries reversed(
      SystemMappingNames{u"KellavorTest_Si_Rev", u"KellavorTest_Ph_Rev", u"KellavorTest_De_Rev"});
  reversed.MapSystemFiles(u"", u"", folder.Path(u"de.bin"));
  ASSERT_TRUE(reversed.IsPresent(SystemFile::kWords));
  NearKeys kept;
  for (std::u16string_view input : {u"hausr", u"mdchen", u"strassen", u"zzzzz", u"comptuer"}) {
    kept.Find(reversed, input);
    NearKeys().Find(reversed, input);
  }
}

}  // namespace
}  // namespace kellavor::lexicon
