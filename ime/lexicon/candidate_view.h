// What a candidate stands for, read from the entry it borrows. This is the one place that knows
// which record each kind points to: a character of the character dictionary (Si), a record of the
// phrase or the German dictionary (Ph), a record of the user dictionary (Us), the Lexicon's
// assembled sentence (St) or a custom phrase text (Ss). A view is as valid as its candidate.
//
// Ph points to a PhraseRecord in pinyin lists and to a WordRecord in German lists; both keep their
// text and their frequency in the same place, and only the readings of pinyin candidates and the
// explanations of German ones are asked for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_item.h"
#include "ime/lexicon/char_record.h"
#include "ime/lexicon/phrase_record.h"
#include "ime/lexicon/user_block.h"
#include "ime/lexicon/word_record.h"

namespace kellavor::lexicon {

class CandidateView {
 public:
  explicit CandidateView(const Candidate& candidate);

  // A record of a dictionary (Si, Ph or Us) with its entry: what the orders compare.
  bool isRecord() const {
    return entry_ != nullptr && (kind_ == candidate_kind::kSi || kind_ == candidate_kind::kPh || kind_ == candidate_kind::kUs);
  }
  // St: the Lexicon's sentence, whose text and syllables its buffers hold.
  bool isSentence() const { return kind_ == candidate_kind::kSt; }
  // Us: an entry of the user dictionary.
  bool isLearned() const { return kind_ == candidate_kind::kUs; }

  // The record behind Si, Ph (as a phrase or as a German word) and Us; empty for the other kinds.
  const CharRecord* character() const {
    return kind_ == candidate_kind::kSi ? reinterpret_cast<const CharRecord*>(entry_) : nullptr;
  }
  PhraseRecord phrase() const { return kind_ == candidate_kind::kPh ? PhraseRecord(entry_) : PhraseRecord(); }
  WordRecord word() const { return kind_ == candidate_kind::kPh ? WordRecord(entry_) : WordRecord(); }
  UserRecord user() const {
    return kind_ == candidate_kind::kUs && entry_ != nullptr ? UserRecord(entry_, LoadU16(entry_)) : UserRecord();
  }

  // Si and Us single characters: true; the others are texts.
  bool isSingleCharacter() const;
  // The character value of a single character, as CharRecord::character keeps it.
  uint32_t characterValue() const;
  // The frequency of a Si or Ph record (0 for the others).
  uint32_t frequency() const;

  // Si: the character (one unit, or two for a surrogate pair, written into scratch); Ph: the phrase
  // or German word; Us: the character or the text of the user record; St and Ss: the text the
  // entry points to. Empty for an unknown kind or a missing entry. Otherwise the view points into
  // the entry's memory.
  std::u16string_view Text(char16_t (&scratch)[2]) const;
  // The display item of the text, its hint left empty: a character kept in the item, any other text
  // pointed to in place. A learned text that has lost its zero unit shows as an empty text.
  CandidateItem Item() const;
  // The syllable numbers of a pinyin candidate, in text order, written into buffer as far as it
  // reaches; returns how many the candidate has. St has the sentence's syllables, passed by the
  // Lexicon that assembled it; Ss has none.
  size_t SyllableCodes(std::span<uint16_t> buffer, std::span<const uint16_t> sentenceSyllables) const;
  // The explanation a candidate of the German search carries: the hint of a dictionary word or of a
  // learned word; empty for the others.
  std::u16string_view WordExplanation() const;

 private:
  static std::u16string_view CharacterText(uint32_t stored, char16_t (&scratch)[2]) {
    scratch[0] = static_cast<char16_t>(stored & 0xFFFF);
    scratch[1] = static_cast<char16_t>(stored >> 16);
    return {scratch, stored > 0xFFFF ? 2u : 1u};
  }
  static std::u16string_view ZeroTerminated(const uint8_t* text) {
    const auto* units = reinterpret_cast<const char16_t*>(text);
    return {units, std::char_traits<char16_t>::length(units)};
  }

  uint16_t kind_;
  const uint8_t* entry_;
};

inline CandidateView::CandidateView(const Candidate& candidate)
    : kind_(candidate.kind), entry_(static_cast<const uint8_t*>(candidate.entry)) {}

inline bool CandidateView::isSingleCharacter() const {
  return kind_ == candidate_kind::kSi || (kind_ == candidate_kind::kUs && entry_ != nullptr && user().isSingleChar());
}

inline uint32_t CandidateView::characterValue() const {
  return kind_ == candidate_kind::kSi ? character()->character() : user().character();
}

inline uint32_t CandidateView::frequency() const {
  static_assert(PhraseRecord::kFrequencyOffset == WordRecord::kFrequencyOffset, "phrases and words keep it alike");
  if (entry_ == nullptr) return 0;
  if (kind_ == candidate_kind::kSi) return character()->frequency();
  return kind_ == candidate_kind::kPh ? phrase().frequency() : 0;
}

inline std::u16string_view CandidateView::Text(char16_t (&scratch)[2]) const {
  static_assert(PhraseRecord::kTextOffset == WordRecord::kWordOffset, "phrases and words keep their text alike");
  if (entry_ == nullptr) return {};
  switch (kind_) {
    case candidate_kind::kSi:
      return CharacterText(character()->character(), scratch);
    case candidate_kind::kPh:
      return ZeroTerminated(entry_ + PhraseRecord::kTextOffset);
    case candidate_kind::kUs: {
      const UserRecord record = user();
      return record.isSingleChar() ? CharacterText(record.character(), scratch) : record.text();
    }
    case candidate_kind::kSt:
    case candidate_kind::kSs:
      return ZeroTerminated(entry_);
    default:
      return {};
  }
}

}  // namespace kellavor::lexicon
