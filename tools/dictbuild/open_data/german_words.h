// The German word list: single-word headwords of the German-English dictionaries with their
// English senses, and a frequency for each derived from the dictionaries themselves.
//
// No frequency list of German is at hand, so the dictionaries serve as the corpus: a word's
// frequency is the number of times it occurs in the German text of all articles (phrases, idioms,
// example sentences and the headword lines themselves). Function words and common verbs and nouns
// occur in thousands of phrases; rare technical words mostly in their own article only.
//
// A sense's weight says how much it stands for the word: the number of articles whose German text
// holds the word while their English text holds the sense. "Hund" is glossed "dog" in its own
// article and in dozens of idioms, while its mining sense "tub" appears in one article only.
#pragma once

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
};

struct GermanWord {
  std::u16string word;
  uint32_t frequency = 0;              // at least 1
  std::vector<WeightedSense> senses;   // heaviest first; equal weights in the order first met
};

class GermanWordCollector {
 public:
  // A single-word headword with senses as the dictionary writes them. Repeated words gather
  // their senses.
  void AddHeadword(std::u16string_view word, const std::vector<std::string_view>& senses);
  bool Knows(std::u16string_view word) const;

  // A German text and its English translation. Counts the words of the text that are headwords
  // and weighs their senses; call it after every AddHeadword.
  void AddText(std::string_view german, std::string_view english);

  // The words, most frequent first (equal frequencies in code-unit order).
  std::vector<GermanWord> TakeWords();

 private:
  std::vector<GermanWord> words_;
  std::unordered_map<std::u16string, size_t> positions_;
};

}  // namespace kellavor::dictbuild
