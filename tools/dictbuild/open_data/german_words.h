// The German word list: single-word headwords of the German-English dictionaries with their
// English senses, and a frequency for each that reflects how much the word is used.
//
// Use is counted in running German text (manual pages and help pages, see docs/data-sources.md).
// That text is about computers and office work, so the dictionaries' own German text (phrases,
// idioms, example sentences) is kept as a weaker second body: everyday words that documentation
// never needs (Mädchen, Kaffee) still get a frequency that reflects general use.
//
// A sense's weight says how much it stands for the word: the number of articles whose German text
// holds the word while their English text holds the sense. "Hund" is glossed "dog" in its own
// article and in dozens of idioms, while its mining sense "tub" appears in one article only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace kellavor::dictbuild {

struct WeightedSense {
  std::string sense;  // normalised (NormaliseSense)
  bool verbal = false;  // written as an infinitive ("to go")
  uint32_t weight = 0;
  bool proper = false;  // written as a name ("Germany")
};

struct GermanWord {
  std::u16string word;
  uint32_t frequency = 0;              // at least 1; set by TakeWords
  std::vector<WeightedSense> senses;   // heaviest first; equal weights in the order first met
  double occurrences = 0;              // in the dictionaries' German text (starts may be shared out)
  double uses = 0;                     // in running text (sentence starts may be shared out)
  bool fromText = false;               // no headword: a form both bodies of text use often
  bool adjective = false;              // an article labels it an adjective
};

class GermanWordCollector {
 public:
  // Per million words of each body, running text counts this many times as much as the
  // dictionaries' text.
  static constexpr double kUseWeight = 1;

  // A single-word headword with senses as the dictionary writes them. Repeated words gather
  // their senses; a word is an adjective when one of its articles says so.
  void AddHeadword(std::u16string_view word, const std::vector<std::string_view>& senses, bool adjective = false);
  bool Knows(std::u16string_view word) const;

  // A German text of a dictionary article and its English translation. Counts the words of the
  // text that are headwords and weighs their senses; call it after every AddHeadword.
  void AddText(std::string_view german, std::string_view english);

  // Running German text, one block a line (UsageTextOf); call it after every AddText. Each word
  // counts for the headword it is:
  // written as it stands, or, when it is no headword, the headword it inflects (grünen counts
  // for grün). A capitalised word at a sentence start may be a lower-case word; it is counted
  // once all text is in, shared between the two forms as they are used inside sentences. Words
  // in capitals only (headings, abbreviations) are not counted. A lower-case form that is no
  // headword but that the dictionaries' text holds often becomes a word (fromText) when used often.
  void AddUsageText(std::string_view text);
  uint64_t UsedWords() const { return usedWords_; }

  // The words, most frequent first (equal frequencies in code-unit order).
  std::vector<GermanWord> TakeWords();

 private:
  // Makes a lower-case form of running text a word when the dictionaries' text holds it often.
  void Promote(const std::u16string& form);
  // The headword a word of running text counts for, or -1.
  std::ptrdiff_t UsedHeadword(const std::u16string& written) const;
  // Shares the capitalised sentence starts out between the capitalised and the lower-case word as
  // they are used elsewhere, and adds them to the count.
  void ShareSentenceStarts(std::unordered_map<std::u16string, uint32_t>& starts, double GermanWord::*count);

  std::vector<GermanWord> words_;
  std::unordered_map<std::u16string, size_t> positions_;
  std::unordered_map<std::u16string, uint32_t> sentenceStarts_;    // capitalised words there
  std::unordered_map<std::u16string, uint32_t> occurrenceStarts_;  // the same in the dictionaries' text
  std::unordered_map<std::u16string, uint32_t> unlisted_;  // lower-case forms there that are no headword
  std::unordered_map<std::string, uint32_t> englishWords_;  // the words of the English text
  uint64_t occurrenceTotal_ = 0;
  uint64_t usedWords_ = 0;
};

}  // namespace kellavor::dictbuild
