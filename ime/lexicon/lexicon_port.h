// What the engine asks of the dictionaries: the searches that fill its candidate list, the texts,
// display items and readings of the candidates, and the learning after a selection. The module
// puts the Lexicon, the custom phrases and the user dictionary behind it; tests may put a small
// table there instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/candidate_item.h"

namespace kellavor::lexicon {

// The longest candidate text the engine takes: a 256-unit buffer with its terminator.
inline constexpr size_t kMaxCandidateTextUnits = 255;

class LexiconPort {
 public:
  virtual ~LexiconPort() = default;

  // Each search appends 16-byte Candidate records to the list it is given (emptied by the engine
  // first, except that the custom phrases add to what the German search found) and returns the
  // number of candidates in it. The records stay valid until the next search.
  virtual int32_t SearchPinyin(std::u16string_view key, base::GrowArray& candidates, uint16_t characterSet,
                               bool useFrequency) = 0;
  virtual int32_t SearchGerman(std::u16string_view key, base::GrowArray& candidates) = 0;
  virtual int32_t SearchCustomPhrases(std::u16string_view key, base::GrowArray& candidates) = 0;

  // The candidate's text, at most kMaxCandidateTextUnits units.
  virtual std::u16string CandidateText(const Candidate& candidate) = 0;
  // The display item, its hint left empty.
  virtual CandidateItem DescribeCandidate(const Candidate& candidate) = 0;
  // The explanation a candidate of the German search carries (a word of the dictionary or a learned
  // word); empty for the others. Asked in German mode only.
  virtual std::u16string_view WordExplanation(const Candidate& candidate) = 0;

  // The syllable numbers of a pinyin candidate, in text order; none for other candidates.
  virtual std::vector<uint16_t> SyllableCodes(const Candidate& candidate) = 0;
  // Appends to out the typed letters split into the syllables of codes, and returns the number of
  // separator units it added.
  virtual size_t FormatReading(std::span<const uint16_t> codes, std::u16string_view letters,
                               std::u16string& out) = 0;

  // Learning: the candidate of a pinyin selection made in one step; a phrase composed of several
  // pinyin selections with its joined syllable numbers; a German word.
  virtual void LearnCandidate(const Candidate& candidate) = 0;
  virtual void LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) = 0;
  virtual void LearnWord(std::u16string_view word) = 0;
};

}  // namespace kellavor::lexicon
