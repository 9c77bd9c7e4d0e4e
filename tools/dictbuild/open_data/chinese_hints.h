// Chinese glosses for German words, pivoted through English: a German word's leading English
// senses are looked up among the definitions of CC-CEDICT, and the Chinese words whose
// definition is that sense are ranked by how common they are in the pinyin dictionary.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "tools/dictbuild/open_data/cedict_source.h"
#include "tools/dictbuild/open_data/german_words.h"
#include "tools/dictbuild/open_data/pinyin_simp_source.h"

namespace kellavor::dictbuild {

class ChineseGlossary {
 public:
  ChineseGlossary(const std::vector<CedictEntry>& cedict, const PinyinDictionary& pinyin);

  // Up to kMostGlosses Chinese words for the word's senses, best first; empty when no sense
  // matches a definition. A noun prefers Chinese nouns.
  std::vector<std::u16string> Glosses(const std::vector<WeightedSense>& senses, bool noun) const;

  size_t SenseCount() const { return senses_.size(); }

  static constexpr size_t kMostGlosses = 3;
  // Senses looked at: the heaviest ones only, so that a word is glossed by what it mostly means.
  static constexpr size_t kLeadingSenses = 4;
  // Longer Chinese texts are descriptions rather than words.
  static constexpr size_t kLongestGloss = 8;

 private:
  struct Match {
    uint32_t text;         // position in texts_
    uint8_t place;         // which of the entry's definitions holds the sense, from 0
    bool primary;          // the sense leads the entry's first definition
    bool qualified;        // the definition narrows the sense with a remark in brackets
    bool verbal;           // the definition is an infinitive ("to water")
    bool countable;        // the entry is a noun
    bool name;             // the entry is a proper name
  };

  void AddMatch(const std::string& sense, Match match);

  std::vector<std::u16string> texts_;
  std::vector<double> frequencies_;  // of texts_, from the pinyin dictionary
  std::unordered_map<std::string, std::vector<Match>> senses_;
};

// The glosses joined into one hint, separated by the two units backslash and n.
std::u16string JoinHint(const std::vector<std::u16string>& glosses);

}  // namespace kellavor::dictbuild
