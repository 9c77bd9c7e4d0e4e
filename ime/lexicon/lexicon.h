// The dictionary engine of the module: the mapped system dictionaries, the fuzzy pairs, the view of
// the shared user dictionary and the assembled sentence, and the pinyin search over them.
//
// From the letters typed so far SearchPinyin produces a ranked candidate list of characters and
// phrases and, when no single entry covers the whole input, an assembled sentence placed first.
// Candidates borrow their entries (records in the mapped files or the user block, the sentence
// buffer); they stay valid until the next search. A missing or rejected dictionary finds nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ime/base/grow_array.h"
#include "ime/lexicon/candidate.h"
#include "ime/lexicon/char_reading_lists.h"
#include "ime/lexicon/first_letter_ranges.h"
#include "ime/lexicon/fuzzy_pairs.h"
#include "ime/lexicon/language_model.h"
#include "ime/lexicon/phrase_reading_lists.h"
#include "ime/lexicon/search_reuse.h"
#include "ime/lexicon/sentence_search.h"
#include "ime/lexicon/syllable_match_memo.h"
#include "ime/lexicon/syllable_set.h"
#include "ime/lexicon/syllable_item.h"
#include "ime/lexicon/system_dictionaries.h"
#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {

// What the Lexicon reads when it starts.
struct LexiconFiles {
  std::u16string charPath;    // data_si.bin
  std::u16string phrasePath;  // data_ph.bin
  std::u16string wordPath;    // data_de.bin
  std::u16string fuzzyPath;   // mohuyin.Ini of the user folder
  std::u16string modelPath{};  // data_lm.bin, mapped when the first sentence is assembled
  std::u16string checkRecordPath{};  // the record of checked dictionary files (check_record.h)
};

// Limits of the assembled sentence: its text and its syllables.
inline constexpr size_t kSentenceTextUnits = 255;
inline constexpr size_t kSentenceSyllables = 127;

class Lexicon {
 public:
  explicit Lexicon(SystemMappingNames names = {});
  Lexicon(const Lexicon&) = delete;
  Lexicon& operator=(const Lexicon&) = delete;

  // Maps the system dictionaries and loads the fuzzy pairs (usefuzzy switches them on); the shared
  // user dictionary is opened and the speller created after these.
  void Initialise(const LexiconFiles& files, bool useFuzzy);
  // Rebuilds the fuzzy pair list, at start and when the settings are reloaded.
  void LoadFuzzyPairs(const std::u16string& mohuyinPath, bool useFuzzy);

  const SystemDictionaries& Dictionaries() const { return dictionaries_; }
  // Frees the phrase offset table (on request from outside); the next phrase search rebuilds it.
  void ReleasePhraseTable() {
    dictionaries_.ReleasePhraseTable();
    reuse_.Forget();
    phraseReadings_.Clear();
  }
  std::span<const FuzzyPair> FuzzyPairs() const { return fuzzyPairs_.Pairs(); }

  // smartsentence: the sentence is the best path of the lattice under the language model; off, or
  // without a model, it is assembled greedily.
  void SetSmartSentence(bool on) { smartSentence_ = on; }
  // Why the language model is absent; empty while it is present or not yet needed.
  const std::string& ModelFault() const { return model_.Fault(); }

  // Whether the searches keep answers from keystroke to keystroke (search_reuse.h); on by default.
  // Off, every search computes everything again: the results are the same, which the tests and
  // the benchmarks' side-by-side check compare.
  void SetSearchReuse(bool on) {
    reuseOn_ = on;
    reuse_.Forget();
  }

  // Builds what the first character search needs (the first-letter ranges and the reading lists of
  // the character index) ahead of it; a search builds it itself when nothing did.
  void PrepareSearch();

  // The shared user block the user searches read; empty until a user dictionary is opened.
  void SetUserBlock(UserBlockView view) { userBlock_ = view; }

  // The pinyin search. text: the typed letters (up to its first zero unit; at most 255 are read);
  // candidates: an empty candidate list; classMask: the character sets to offer; withUser: learned
  // entries join the search (sentences the user composed are offered either way). Returns the
  // number of candidates.
  int32_t SearchPinyin(std::u16string_view text, base::GrowArray& candidates, uint8_t classMask, bool withUser);

  // The core search; bestOnly is its variant for assembling a sentence (it ranks for the best first
  // candidate and skips work that cannot change it). Returns the number of candidates in out.
  int32_t SearchSyllables(std::u16string_view text, base::GrowArray& out, uint8_t classMask, bool bestOnly,
                          bool withUser);

  // Segmentation with the phrase dictionary deciding whether a syllable splits.
  void SplitSyllables(std::u16string_view text, base::GrowArray& main, base::GrowArray& alternative);

  // Phrases of the system dictionary matching the typed syllables (at least two). Returns 0 for
  // fewer syllables, else the number of candidates in out after the search.
  int32_t PhraseSearch(std::span<const SyllableItem> syllables, base::GrowArray& out, uint8_t mask);
  // The same over the user dictionary: learned phrases with withUser, composed sentences always.
  int32_t UserPhraseSearch(std::span<const SyllableItem> syllables, base::GrowArray& out, uint8_t mask,
                           bool withUser);
  // Characters whose reading matches the syllable; fuzzy lookups carry extent 2 and up.
  int32_t CharSearch(const SyllableItem& syllable, base::GrowArray& out, uint8_t mask);
  int32_t UserCharSearch(const SyllableItem& syllable, base::GrowArray& out, uint8_t mask);

  // The syllable numbers of a pinyin candidate, in text order, written into buffer as far as it
  // reaches; returns how many the candidate has. None (0) for a custom phrase.
  size_t SyllableCodes(const Candidate& candidate, std::span<uint16_t> buffer) const;
  std::vector<uint16_t> SyllableCodes(const Candidate& candidate) const;

  // FormatReading over this Lexicon's syllable table and fuzzy pairs.
  size_t FormatReading(std::span<const uint16_t> codes, std::u16string_view letters, std::u16string& out) const;

  // The sentence the last search assembled, which a St candidate stands for.
  std::u16string_view SentenceText() const { return sentenceText_; }
  std::span<const uint16_t> SentenceSyllables() const { return {sentenceSyllables_ + 1, sentenceSyllables_[0]}; }

 private:
  const SyllableTable& Syllables() const { return dictionaries_.Syllables(); }
  // Whether a character reading matches the typed syllable: a bare initial matches the initial of
  // the reading, anything else the whole reading under the fuzzy pairs (a, e, o alone find only a,
  // e, o).
  bool CharMatch(const SyllableItem& syllable, uint16_t reading) const;
  // The rule of MatchPhrase for one typed syllable: a letter alone matches any syllable that
  // begins with it, a bare initial the initial, anything else the whole syllable.
  bool PhraseSyllableMatches(const SyllableItem& typed, uint16_t reading) const;
  // The letters of the typed syllables a phrase covers, or none when it does not match; syllables
  // beyond the shorter of the two are not compared. The answers for each typed syllable are kept in
  // phraseMemo_, which the caller resets for the list.
  std::optional<uint8_t> MatchPhrase(std::span<const SyllableItem> syllables, const PhraseRecord& phrase);
  std::optional<uint8_t> MatchPhrase(std::span<const SyllableItem> syllables, const UserRecord& phrase);
  // MatchPhrase for a phrase known to match every typed syllable but the last (as far as it has
  // syllables): only the last is compared. covered[c] is the letters of the first c typed syllables
  // (of these or of more syllables that begin with them).
  std::optional<uint8_t> MatchLastSyllable(std::span<const SyllableItem> syllables, std::span<const size_t> covered,
                                           const PhraseRecord& phrase);
  template <typename SyllableAt>
  std::optional<uint8_t> MatchSyllables(std::span<const SyllableItem> typed, uint32_t count,
                                        const SyllableAt& syllableAt);
  // Calls visit(phrase, consumed) for every matching phrase until it returns false.
  template <typename Visit>
  void ForEachPhrase(std::span<const SyllableItem> syllables, uint8_t mask, const Visit& visit);
  // Calls visit(k) for every position of the phrase initials index the phrase search reads (the
  // first letters of the first two syllables and their fuzzy lookups) until it returns false.
  template <typename Visit>
  void ForEachPhrasePosition(std::span<const SyllableItem> syllables, const Visit& visit);
  // The same by ranges of the index: visitRange(first letter, second letter, range) until it
  // returns false.
  template <typename VisitRange>
  void ForEachPhraseRange(std::span<const SyllableItem> syllables, const VisitRange& visitRange);
  // The positions whose phrase is of the mask and matches the first typed syllable, kept under
  // the first syllable and the first letter of the second.
  const std::vector<uint32_t>& PhraseHeads(std::span<const SyllableItem> syllables, uint8_t mask);
  // The positions whose phrase is of the mask and matches the first count typed syllables (as far
  // as it has syllables), in the order of PhraseHeads, kept under those syllables.
  // covered as for MatchLastSyllable.
  const std::vector<uint32_t>& MatchingPhrases(std::span<const SyllableItem> syllables, std::span<const size_t> covered,
                                               size_t count, uint8_t mask);
  // Whether the user searches of a one-syllable input (the syllable `first`, the alternative
  // reading) find anything.
  bool LearnedEntriesMatch(const SyllableItem& first, std::span<const SyllableItem> alternative, uint8_t classMask,
                           uint8_t charMask, bool withUser);
  // The characters CharSearch appends for the syllable, computed once.
  void FindCharacters(const SyllableItem& syllable, uint8_t mask, std::vector<Candidate>& found);
  // Without fuzzy pairs a syllable of two letters or more that is not a bare initial matches only
  // the reading of its own letters: the reading lists then compare texts, dozens per range.
  bool MatchesOnlyItsReading(const SyllableItem& syllable) const;
  bool PhraseExists(std::span<const SyllableItem> syllables, uint8_t mask);
  UserRecord UserIndex2Record(uint32_t k) const;
  // Fills the sentence buffers; consumed: the letters the sentence covers (low 8 bits).
  void AssembleSentence(std::u16string_view text, bool withUser, uint8_t& consumed);
  // The same from the best path of the sentence lattice; false when there is no language model.
  bool AssembleSmartSentence(std::u16string_view text, bool withUser, uint8_t& consumed);
  // Appends a piece to the sentence buffers; false when its text or syllables do not fit.
  bool AppendToSentence(const Candidate& piece, size_t& textLength);

  SystemDictionaries dictionaries_;
  LanguageModel model_;
  bool smartSentence_ = true;
  SentenceScratch sentenceScratch_;
  FuzzyPairList fuzzyPairs_;
  SyllableSet syllableSet_;  // of the table and the pairs above
  FirstLetterRanges ranges_;
  CharReadingLists charReadings_;  // of the mapped character index, built at its first use
  PhraseReadingLists phraseReadings_;  // of the mapped phrase index, each range at its first use
  UserBlockView userBlock_;
  bool reuseOn_ = true;
  SearchReuse reuse_;
  // The phrase positions of a list being made, before it is kept.
  std::vector<uint32_t> positionScratch_;
  // The phrases a phrase search found, before they are appended to its list.
  std::vector<Candidate> phraseScratch_;
  // The characters a syllable matched, before they are kept.
  std::vector<Candidate> characterScratch_;
  PhrasePrefixKey prefixKeyScratch_;  // the key of a phrase list looked for
  std::vector<size_t> coveredScratch_;  // the letters of the first syllables of a phrase search
  SyllableMatchMemo phraseMemo_;
  SyllableMatchMemo charMemo_;
  base::GrowArray mainSyllables_;
  base::GrowArray alternativeSyllables_;
  base::GrowArray sentenceCandidates_;
  base::GrowArray learnedScratch_;
  char16_t sentenceText_[kSentenceTextUnits + 1] = {};
  uint16_t sentenceSyllables_[kSentenceSyllables + 1] = {};  // count, then the syllable numbers
};

}  // namespace kellavor::lexicon
