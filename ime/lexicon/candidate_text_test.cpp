#include "ime/lexicon/candidate_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

TEST(CandidateText, ReadsEveryKindAndCutsAtTheBuffer) {
  CharRecord single{};
  const uint32_t zhong = 0x4E2D;
  std::memcpy(single.bytes, &zhong, 4);
  CharRecord pair{};
  const uint32_t surrogates = StoredCharacter(U'\U00020000');
  std::memcpy(pair.bytes, &surrogates, 4);
  const char16_t sentence[] = u"我想去北京";

  const char16_t phraseText[] = u"中国";
  std::vector<uint8_t> phrase(10 + sizeof phraseText);
  std::memcpy(&phrase[10], phraseText, sizeof phraseText);

  const char16_t wordTexts[] = u"Haus\0房子\0haus";
  std::vector<uint8_t> userWord(user_block::kRecordHeaderSize + sizeof wordTexts);
  std::memcpy(&userWord[user_block::kRecordHeaderSize], wordTexts, sizeof wordTexts);
  const auto length = static_cast<uint16_t>(userWord.size());
  const uint32_t germanFlags = user_flags::kGermanWord | (4u << 4);
  std::memcpy(&userWord[0], &length, 2);
  std::memcpy(&userWord[2], &germanFlags, 4);

  char16_t buffer[256];
  EXPECT_EQ(CandidateText(MakeCandidate(candidate_kind::kSi, 1, 1, &single), buffer, 256), 1u);
  EXPECT_EQ(std::u16string(buffer), u"中");
  CandidateText(MakeCandidate(candidate_kind::kSi, 1, 1, &pair), buffer, 256);
  EXPECT_EQ(std::u16string(buffer), u"\U00020000");
  CandidateText(MakeCandidate(candidate_kind::kPh, 0, 4, phrase.data()), buffer, 256);
  EXPECT_EQ(std::u16string(buffer), u"中国");
  CandidateText(MakeCandidate(candidate_kind::kUs, 0, 0, userWord.data()), buffer, 256);
  EXPECT_EQ(std::u16string(buffer), u"Haus");
  CandidateText(MakeCandidate(candidate_kind::kSt, 0, 5, sentence), buffer, 256);
  EXPECT_EQ(std::u16string(buffer), u"我想去北京");

  EXPECT_EQ(CandidateText(MakeCandidate(candidate_kind::kSs, 0, 0, sentence), buffer, 3), 2u);
  EXPECT_EQ(std::u16string(buffer), u"我想");
  EXPECT_EQ(CandidateText(MakeCandidate(0x1234, 0, 0, sentence), buffer, 256), 0u);
  EXPECT_EQ(buffer[0], u'\0');
}

}  // namespace
}  // namespace kellavor::lexicon
