#include "ime/lexicon/user_index_order.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/support/user_dictionary_fixture.h"

namespace kellavor::lexicon {
namespace {

using namespace learn_result;

// Records built in memory, as learning writes them.
std::vector<uint8_t> CharBytes(uint32_t character, uint16_t syllable) {
  std::vector<uint8_t> bytes(20, 0);
  StoreU16(&bytes[0], 20);
  StoreU32(&bytes[2], user_flags::kSingleChar);
  StoreU32(&bytes[14], character);
  StoreU16(&bytes[18], syllable);
  return bytes;
}

// The text and its zero unit, then the tail: a code array, or the zero units of hint and key.
std::vector<uint8_t> TextBytes(uint32_t flags, std::u16string_view text, const std::vector<uint16_t>& tail) {
  std::vector<uint16_t> units(text.begin(), text.end());
  units.push_back(0);
  units.insert(units.end(), tail.begin(), tail.end());
  std::vector<uint8_t> bytes(14, 0);
  StoreU32(&bytes[2], flags | static_cast<uint32_t>(text.size()) << 4);
  for (const uint16_t unit : units) bytes.insert(bytes.end(), {static_cast<uint8_t>(unit & 0xFF), static_cast<uint8_t>(unit >> 8)});
  StoreU16(&bytes[0], static_cast<uint16_t>(bytes.size()));
  return bytes;
}

UserRecord AsRecord(const std::vector<uint8_t>& bytes) { return {bytes.data(), static_cast<uint16_t>(bytes.size())}; }

class UserIndexOrderTest : public UserDictionaryTest {};

TEST_F(UserIndexOrderTest, BothOrdersRankTheThreeTypesAndTheirKeys) {
  const SyllableTable& syllables = dictionaries_->Syllables();
  const auto wo = CharBytes(0x6211, Syllable(u"wo"));
  const auto pair = CharBytes(0xD840 | (0xDC00u << 16), Syllable(u"a"));
  const auto upper = TextBytes(user_flags::kGermanWord, u"Zug", {0, 0});
  const auto lower = TextBytes(user_flags::kGermanWord, u"auf", {0, 0});
  const auto nihao = TextBytes(0, u"你好", {2, Syllable(u"ni"), Syllable(u"hao")});
  const auto nihaoma = TextBytes(0, u"你好吗", {3, Syllable(u"ni"), Syllable(u"hao"), Syllable(u"ma")});
  const auto nahe = TextBytes(0, u"拿", {2, Syllable(u"na"), Syllable(u"he")});

  // Index 1: characters by value (unsigned), words, phrases, texts by code unit.
  EXPECT_LT(IndexOrder1(AsRecord(wo), AsRecord(pair)), 0);
  EXPECT_LT(IndexOrder1(AsRecord(pair), AsRecord(upper)), 0);
  EXPECT_LT(IndexOrder1(AsRecord(upper), AsRecord(lower)), 0) << "Z before a in code-unit order";
  EXPECT_LT(IndexOrder1(AsRecord(lower), AsRecord(nihao)), 0);
  EXPECT_LT(IndexOrder1(AsRecord(nihao), AsRecord(nihaoma)), 0);
  EXPECT_EQ(IndexOrder1(AsRecord(nihao), AsRecord(TextBytes(user_flags::kComposed, u"你好", {0}))), 0)
      << "a composed phrase of the same text is the same entry";
  EXPECT_GT(IndexOrder1(UserRecord(), AsRecord(nihao)), 0) << "an unreadable record sorts last";

  // Index 2: characters by syllable number, words all equal, phrases by the initials of their syllables.
  EXPECT_EQ(IndexOrder2(AsRecord(pair), AsRecord(wo), syllables) < 0, Syllable(u"a") < Syllable(u"wo"));
  EXPECT_LT(IndexOrder2(AsRecord(wo), AsRecord(lower), syllables), 0);
  EXPECT_EQ(IndexOrder2(AsRecord(upper), AsRecord(lower), syllables), 0);
  EXPECT_LT(IndexOrder2(AsRecord(lower), AsRecord(nahe), syllables), 0);
  EXPECT_EQ(IndexOrder2(AsRecord(nahe), AsRecord(nihao), syllables), 0) << "n h and n h";
  EXPECT_LT(IndexOrder2(AsRecord(nihao), AsRecord(nihaoma), syllables), 0) << "fewer syllables first";
  EXPECT_GT(IndexOrder2(AsRecord(TextBytes(0, u"我们", {2, Syllable(u"wo"), Syllable(u"men")})), AsRecord(nihaoma), syllables), 0);
}

TEST_F(UserIndexOrderTest, LearningInAnyOrderKeepsBothIndexesSortedAndEveryEntryOnce) {
  dictionary_.OpenUserDictionary(Path());
  std::mt19937 random(7);
  const uint32_t syllableCount = dictionaries_->SyllableCount();
  const auto pick = [&](uint32_t n) { return static_cast<uint32_t>(random() % n); };
  std::map<std::tuple<int, uint32_t, std::u16string>, uint32_t> expected;  // (type, character, text) -> uses

  for (int step = 0; step < 600; ++step) {
    switch (pick(3)) {
      case 0: {
        const uint32_t character = 0x4E00 + pick(150);
        ASSERT_NE(dictionary_.AddUserChar(MakeCharRecord(character, static_cast<uint16_t>(pick(syllableCount)), 1)), kNoRoom);
        ++expected[{0, character, u""}];
        break;
      }
      case 1: {
        std::u16string word;
        for (uint32_t n = 1 + pick(4); n > 0; --n) word.push_back(u"aAbBäöü"[pick(7)]);
        ASSERT_NE(dictionary_.LearnWord(word), kNoRoom);
        ++expected[{1, 0, word}];
        break;
      }
      default: {
        std::u16string text;
        std::vector<uint16_t> codes;
        for (uint32_t n = 2 + pick(3); n > 0; --n) {
          text.push_back(static_cast<char16_t>(0x4E00 + pick(6)));
          codes.push_back(static_cast<uint16_t>(pick(syllableCount)));
        }
        ASSERT_NE(dictionary_.LearnPhrase(text, codes, 1), kNoRoom);
        ++expected[{2, 0, text}];
        break;
      }
    }
  }
  ASSERT_TRUE(IndexesAreSorted(View(), dictionaries_->Syllables()));
  ASSERT_EQ(View().RecordCount(), expected.size());
  for (const auto& [entry, uses] : expected) {
    const auto& [type, character, text] = entry;
    const UserRecord record = type == 0 ? FindLearned(View(), character) : FindLearned(View(), text, type == 1);
    ASSERT_TRUE(record);
    EXPECT_EQ(record.useCount(), uses);
  }
}

}  // namespace
}  // namespace kellavor::lexicon
