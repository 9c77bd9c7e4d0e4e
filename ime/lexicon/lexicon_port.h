// What the engine asks of the dictionaries: the searches that fill its candidate list, the
// description of the page it shows, and the learning after a selection. The module puts the
// Lexicon, the custom phrases and the user dictionary behind it; tests may put a small table there
// instead.
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

// Which search filled a candidate list: Ph stands for a phrase of the pinyin dictionary in the one
// and for a word of the German dictionary in the other.
enum class SearchLanguage : uint8_t { kPinyin, kGerman };

// One candidate of a page, as the candidate window shows it and as choosing it needs it.
struct PageEntry {
  // The display item, its hint left empty. Its text may lie in the candidate's entry: it is valid
  // as long as the candidate.
  CandidateItem item;
  // The text committed and learned, at most kMaxCandidateTextUnits units.
  std::u16string text;
  // German lists: the explanation of a dictionary word or a learned word, valid as long as the
  // candidate; empty otherwise.
  std::u16string_view explanation;
  // Pinyin lists: the syllable numbers, in text order; empty otherwise.
  std::vector<uint16_t> codes;
};

struct PageDescription {
  std::vector<PageEntry> entries;
  // Pinyin lists: the reading letters split into the syllables of the first entry, and the number
  // of separator units in it.
  std::u16string reading;
  size_t separators = 0;
};

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

  // Describes the candidates of a page in one call: one entry each, in order, and, in a pinyin list
  // with candidates, the reading: readingLetters (the letters the first candidate covers) split into
  // the first candidate's syllables. out is filled anew; its storage is reused.
  virtual void DescribePage(std::span<const Candidate> page, SearchLanguage language,
                            std::u16string_view readingLetters, PageDescription& out) = 0;

  // Learning: the candidate of a pinyin selection made in one step; a phrase composed of several
  // pinyin selections with its joined syllable numbers; a German word.
  virtual void LearnCandidate(const Candidate& candidate) = 0;
  virtual void LearnPhrase(std::u16string_view text, std::span<const uint16_t> codes) = 0;
  virtual void LearnWord(std::u16string_view word) = 0;
};

}  // namespace kellavor::lexicon
