#include "ime/lexicon/segmentation.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "ime/lexicon/record_lists.h"

namespace kellavor::lexicon {
namespace {

std::string Joined(const base::GrowArray& list) {
  std::string text;
  for (const SyllableItem& item : Records<SyllableItem>(list)) {
    if (!text.empty()) text += ' ';
    for (const char16_t unit : item.view()) text += static_cast<char>(unit);
  }
  return text;
}

class Segmentation : public ::testing::Test {
 protected:
  // "main | alternative" for text, with the phrase test answering hasPhrase.
  std::string Split(std::u16string_view text, const std::vector<FuzzyPair>& pairs = {}) {
    base::GrowArray main(sizeof(SyllableItem), 10);
    base::GrowArray alternative(sizeof(SyllableItem), 10);
    SplitSyllables(SyllableSet(table_, pairs), text, main, alternative, [&](std::span<const SyllableItem> pieces) {
      std::u16string asked;
      for (const SyllableItem& piece : pieces) asked += std::u16string(piece.view()) + u" ";
      asked_.push_back(asked);
      return phrases_.count(asked) > 0;
    });
    return Joined(main) + " | " + Joined(alternative);
  }

  const SyllableTable table_{EncodeSyllableTable(ShippedSyllables())};
  std::set<std::u16string> phrases_;
  std::vector<std::u16string> asked_;
};

TEST_F(Segmentation, ForwardReadingWithTheBackwardOneWhenItDiffers) {
  EXPECT_EQ(Split(u"zhongguo"), "zhong guo | ");
  EXPECT_EQ(Split(u"zg"), "z g | ");
  EXPECT_EQ(Split(u"zh"), "zh | ");
  EXPECT_EQ(Split(u"zhw"), "z h w | zh w") << "a bare zh is taken only as the whole input";
  EXPECT_EQ(Split(u"fangan"), "fang an | fan gan");
  EXPECT_EQ(Split(u"tiananmen"), "tian an men | ti a nan men");
  EXPECT_EQ(Split(u"woxiangqubeijingkankan"), "wo xiang qu bei jing kan kan | ");
}

TEST_F(Segmentation, ASyllableSplitsOnlyIntoAKnownPhrase) {
  EXPECT_EQ(Split(u"xian"), "xian | ");
  EXPECT_EQ(asked_, std::vector<std::u16string>{u"xi an "});
  phrases_.insert(u"xi an ");
  EXPECT_EQ(Split(u"xian"), "xian | xi an");
  EXPECT_EQ(Split(u"xianzai"), "xian zai | xi an zai");
  EXPECT_EQ(Split(u"zhuang"), "zhuang | ") << "zhu an leaves the g over: no split";
}

TEST_F(Segmentation, EveryLetterEndsUpInASyllableOfAtMostSevenLetters) {
  EXPECT_EQ(Split(u"zhuangzhuang"), "zhuang zhuang | ");
  EXPECT_EQ(Split(u"qvxyz"), "q v x y z | ") << "v belongs to no syllable and stands alone";
  EXPECT_EQ(Split(u"ABC"), "A B C | ");
  EXPECT_EQ(Split(u"aaaaaaaa"), "a a a a a a a a | ");

  std::mt19937 random(7);
  const std::u16string alphabet = u"abcdefghijklmnopqrstuvwxyzZHA'1中";
  for (int round = 0; round < 300; ++round) {
    std::u16string text(random() % 65, u'a');
    for (char16_t& unit : text) unit = alphabet[random() % alphabet.size()];
    base::GrowArray main(sizeof(SyllableItem), 10);
    base::GrowArray alternative(sizeof(SyllableItem), 10);
    SplitSyllables(SyllableSet(table_, {}), text, main, alternative, [](std::span<const SyllableItem>) { return true; });
    std::u16string joined;
    for (const SyllableItem& item : Records<SyllableItem>(main)) {
      ASSERT_GE(item.length, 1);
      ASSERT_LE(item.length, 7);
      joined += item.view();
    }
    EXPECT_EQ(joined, text);
  }
}

TEST_F(Segmentation, TheWorkingCopyHoldsTwoHundredFiftyFiveLetters) {
  base::GrowArray main(sizeof(SyllableItem), 10);
  base::GrowArray alternative(sizeof(SyllableItem), 10);
  SplitSyllables(SyllableSet(table_, {}), std::u16string(300, u'a'), main, alternative,
                 [](std::span<const SyllableItem>) { return false; });
  EXPECT_EQ(main.count(), 255);
  EXPECT_EQ(alternative.count(), 0);
}

// Typing letter by letter, now and then going back to a shorter text or starting a new one: the
// readings kept from the text before split every text as a fresh split does, past 255 letters too.
TEST_F(Segmentation, KeptReadingsSplitAsAFreshSplit) {
  std::mt19937 random(11);
  const std::u16string letters = u"zhongaiuxmnfrwtyvlesbcdjkpq";
  const std::vector<FuzzyPair> pairs{*ParseFuzzyPair(u"an,ang"), *ParseFuzzyPair(u"z,zh")};
  const SyllableSet set(table_, pairs);
  const PhraseTest hasPhrase = [](std::span<const SyllableItem> pieces) { return pieces[0].text[0] != u'x'; };
  Readings readings;
  std::u16string text;
  for (int step = 0; step < 6000; ++step) {
    const auto change = random() % 40;
    if (change == 0) {
      text.resize(random() % (text.size() + 1));
    } else if (change == 1 || text.size() > 270) {
      text.clear();
    }
    text += letters[random() % (change % 3 == 0 ? 5 : letters.size())];
    base::GrowArray main(sizeof(SyllableItem), 10);
    base::GrowArray alternative(sizeof(SyllableItem), 10);
    base::GrowArray freshMain(sizeof(SyllableItem), 10);
    base::GrowArray freshAlternative(sizeof(SyllableItem), 10);
    SplitSyllables(set, text, main, alternative, hasPhrase, readings);
    SplitSyllables(set, text, freshMain, freshAlternative, hasPhrase);
    ASSERT_EQ(Joined(main) + " | " + Joined(alternative), Joined(freshMain) + " | " + Joined(freshAlternative))
        << std::string(text.begin(), text.end());
  }
}

TEST_F(Segmentation, FuzzyPairsWidenTheSyllables) {
  std::vector<FuzzyPair> pairs{*ParseFuzzyPair(u"z,zh")};
  EXPECT_EQ(Split(u"zuazua", pairs), "zua zua | ");
  EXPECT_EQ(Split(u"zuazua"), "zu a zu a | ");
}

}  // namespace
}  // namespace kellavor::lexicon
