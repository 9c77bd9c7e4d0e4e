#include "ime/lexicon/candidate_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace kellavor::lexicon {
namespace {

// A record whose texts follow a header of headerSize bytes; flags at byte 2, the length in front.
std::vector<uint8_t> RecordWithTexts(size_t headerSize, uint32_t flags, std::u16string_view texts) {
  std::vector<uint8_t> record(headerSize + 2 * texts.size() + 2);
  std::memcpy(&record[headerSize], texts.data(), 2 * texts.size());
  const auto length = static_cast<uint16_t>(record.size());
  std::memcpy(&record[0], &length, 2);
  std::memcpy(&record[2], &flags, 4);
  return record;
}

TEST(CandidateView, OnlyGermanWordsCarryAnExplanation) {
  using namespace candidate_kind;
  const std::vector<uint8_t> word = RecordWithTexts(WordRecord::kWordOffset, WordRecord::Flags(4),
                                                    std::u16string_view(u"Haus\0房子\\n房屋\0haus", 16));
  const std::vector<uint8_t> learnedWord = RecordWithTexts(
      user_block::kRecordHeaderSize, user_flags::kGermanWord | 4u << 4, std::u16string_view(u"Haus\0房子\0haus", 12));
  const std::vector<uint8_t> learnedPhrase = RecordWithTexts(user_block::kRecordHeaderSize, 2u << 4,
                                                             std::u16string_view(u"中国\0\x02\x01\x02", 6));
  CharRecord character{};

  EXPECT_EQ(CandidateView(MakeCandidate(kPh, 0, 0, word.data())).WordExplanation(), u"房子\\n房屋");
  EXPECT_EQ(CandidateView(MakeCandidate(kUs, 0, 0, learnedWord.data())).WordExplanation(), u"房子");
  EXPECT_EQ(CandidateView(MakeCandidate(kUs, 0, 0, learnedPhrase.data())).WordExplanation(), u"");
  EXPECT_EQ(CandidateView(MakeCandidate(kSi, 1, 1, &character)).WordExplanation(), u"");
  EXPECT_EQ(CandidateView(MakeCandidate(kSs, 0, 0, u"mfg")).WordExplanation(), u"");
  EXPECT_EQ(CandidateView(MakeCandidate(kPh, 0, 0, nullptr)).WordExplanation(), u"");

  const CandidateView learned(MakeCandidate(kUs, 0, 0, learnedPhrase.data()));
  uint16_t codes[4] = {};
  EXPECT_EQ(learned.SyllableCodes(codes, {}), 2u);
  EXPECT_EQ(codes[0], 1);
  EXPECT_EQ(codes[1], 2);
  const uint16_t sentence[] = {7, 8, 9};
  EXPECT_EQ(CandidateView(MakeCandidate(kSt, 0, 0, u"我想去")).SyllableCodes(codes, sentence), 3u);
  EXPECT_EQ(codes[2], 9);
  EXPECT_EQ(CandidateView(MakeCandidate(kSs, 0, 0, u"mfg")).SyllableCodes(codes, sentence), 0u);
}

}  // namespace
}  // namespace kellavor::lexicon
