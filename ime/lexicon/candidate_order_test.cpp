#include "ime/lexicon/candidate_order.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>
#include <vector>

#include "ime/lexicon/candidate_text.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/record_lists.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {
namespace {

using namespace candidate_kind;

template <typename T>
void Put(std::vector<uint8_t>& bytes, size_t at, T value) {
  if (bytes.size() < at + sizeof value) bytes.resize(at + sizeof value);
  std::memcpy(&bytes[at], &value, sizeof value);
}

void PutText(std::vector<uint8_t>& bytes, size_t at, std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) Put<char16_t>(bytes, at + 2 * i, text[i]);
  Put<char16_t>(bytes, at + 2 * text.size(), u'\0');
}

// Records made by hand; they live as long as the fixture, candidates point into them.
class Records_ {
 public:
  const void* Char(char16_t character, uint16_t frequency, uint8_t charClass, uint16_t syllable = 0) {
    std::vector<uint8_t>& bytes = storage_.emplace_back(12);
    Put<uint32_t>(bytes, 0, character);
    Put<uint16_t>(bytes, 4, frequency);
    Put<uint16_t>(bytes, 6, syllable);
    Put<uint16_t>(bytes, 8, CharFlags(charClass));
    return bytes.data();
  }

  const void* Phrase(std::u16string_view text, uint32_t frequency) {
    std::vector<uint8_t>& bytes = storage_.emplace_back();
    Put<uint32_t>(bytes, 2, PhraseRecord::Flags(static_cast<uint32_t>(text.size()), 15));
    Put<uint32_t>(bytes, 6, frequency);
    PutText(bytes, 10, text);
    const size_t count = 12 + 2 * text.size();
    Put<uint16_t>(bytes, count, static_cast<uint16_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) Put<uint16_t>(bytes, count + 2 + 2 * i, 1);
    Put<uint16_t>(bytes, 0, static_cast<uint16_t>(bytes.size()));
    return bytes.data();
  }

  const void* UserChar(char16_t character, uint32_t useCount) {
    std::vector<uint8_t>& bytes = storage_.emplace_back(user_block::kSingleCharRecordSize);
    Put<uint16_t>(bytes, 0, user_block::kSingleCharRecordSize);
    Put<uint32_t>(bytes, 2, user_flags::kSingleChar | CharFlags(15));
    Put<uint32_t>(bytes, 6, useCount);
    Put<uint32_t>(bytes, 14, character);
    return bytes.data();
  }

  const void* UserPhrase(std::u16string_view text, uint32_t useCount) {
    std::vector<uint8_t>& bytes = storage_.emplace_back();
    Put<uint32_t>(bytes, 2, static_cast<uint32_t>(text.size()) << 4 | 15u << 12);
    Put<uint32_t>(bytes, 6, useCount);
    PutText(bytes, 14, text);
    const size_t count = 16 + 2 * text.size();
    Put<uint16_t>(bytes, count, static_cast<uint16_t>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) Put<uint16_t>(bytes, count + 2 + 2 * i, 1);
    Put<uint16_t>(bytes, 0, static_cast<uint16_t>(bytes.size()));
    return bytes.data();
  }

 private:
  std::deque<std::vector<uint8_t>> storage_;
};

std::u16string Listed(const base::GrowArray& list) {
  std::u16string texts;
  for (const Candidate& candidate : Records<Candidate>(list)) {
    char16_t scratch[2];
    texts += std::u16string(candidate.kind == kUs ? u"U:" : u"") + std::u16string(CandidateTextView(candidate, scratch)) + u" ";
  }
  return texts;
}

base::GrowArray ListOf(std::initializer_list<Candidate> candidates) {
  base::GrowArray list(sizeof(Candidate), 16);
  for (const Candidate& candidate : candidates) Append(list, candidate);
  return list;
}

TEST(CandidateOrder, RanksPhrasesThenLearnedEntriesThenCharactersByClass) {
  Records_ records;
  base::GrowArray list = ListOf({
      MakeCandidate(kSi, 1, 5, records.Char(u'忠', 9999, 8)),
      MakeCandidate(kPh, 1, 10, records.Phrase(u"中国人", 3000)),
      MakeCandidate(kSi, 1, 5, records.Char(u'钟', 100, 15)),
      MakeCandidate(kPh, 0, 10, records.Phrase(u"众国", 100)),
      MakeCandidate(kUs, 1, 5, records.UserChar(u'中', 5)),
      MakeCandidate(kSi, 2, 5, records.Char(u'中', 9000, 15)),
      MakeCandidate(kPh, 0, 10, records.Phrase(u"中国", 9000)),
      MakeCandidate(kUs, 0, 10, records.UserPhrase(u"种过", 2)),
  });
  RankCandidates(list, false);
  EXPECT_EQ(Listed(list), u"U:种过 中国 众国 U:中 中国人 中 钟 忠 ");

  // Among learned entries: extent, then use count; of equal rank the single character first.
  base::GrowArray learned = ListOf({
      MakeCandidate(kUs, 1, 5, records.UserChar(u'中', 9)),
      MakeCandidate(kUs, 1, 10, records.UserPhrase(u"中国人", 9)),
      MakeCandidate(kUs, 0, 10, records.UserPhrase(u"中国", 1)),
      MakeCandidate(kUs, 0, 10, records.UserPhrase(u"种过", 4)),
  });
  RankCandidates(learned, false);
  EXPECT_EQ(Listed(learned), u"U:种过 U:中国 U:中 U:中国人 ");
}

TEST(CandidateOrder, TheSentenceRankingPrefersPersonalWordsAfterTheExtent) {
  Records_ records;
  const Candidate women = MakeCandidate(kPh, 0, 5, records.Phrase(u"我们", 10));
  const Candidate wumen = MakeCandidate(kPh, 0, 5, records.Phrase(u"午门", 1000));
  const Candidate nini = MakeCandidate(kPh, 1, 5, records.Phrase(u"你你", 5000));
  EXPECT_GT(RankCompare(women, wumen, false), 0);
  EXPECT_LT(RankCompare(women, wumen, true), 0);
  EXPECT_GT(RankCompare(nini, wumen, true), 0) << "extent 0 comes before everything";
  const Candidate sentence = MakeCandidate(kSt, 0, 5, u"我们");
  EXPECT_EQ(RankCompare(sentence, women, true), 0);
  EXPECT_EQ(IdentityCompare(sentence, women, true), 0);
}

TEST(CandidateOrder, DeduplicateKeepsTheMostFrequentReadingAndTheLearnedEntry) {
  Records_ records;
  base::GrowArray list = ListOf({
      MakeCandidate(kSi, 1, 1, records.Char(u'的', 2000, 15, 70)),
      MakeCandidate(kPh, 0, 4, records.Phrase(u"中国", 100)),
      MakeCandidate(kSi, 1, 1, records.Char(u'的', 9900, 15, 66)),
      MakeCandidate(kUs, 1, 1, records.UserChar(u'中', 1)),
      MakeCandidate(kSi, 1, 1, records.Char(u'中', 9000, 15)),
      MakeCandidate(kPh, 0, 4, records.Phrase(u"中国", 9000)),
      MakeCandidate(kPh, 0, 4, records.Phrase(u"中国人", 9000)),
      MakeCandidate(kUs, 0, 4, records.UserPhrase(u"中国人", 1)),
  });
  Deduplicate(list);
  EXPECT_EQ(Listed(list), u"U:中 的 中国 U:中国人 ");
  const std::span<const Candidate> kept = Records<Candidate>(list);
  ASSERT_EQ(kept.size(), 4u);
  EXPECT_EQ(static_cast<const CharRecord*>(kept[1].entry)->frequency(), 9900);
  EXPECT_EQ(PhraseRecord(static_cast<const uint8_t*>(kept[2].entry)).frequency(), 9000u);
}

}  // namespace
}  // namespace kellavor::lexicon
