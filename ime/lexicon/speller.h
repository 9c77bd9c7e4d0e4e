// Spelling suggestions for the German search: Hunspell driven with the affix and dictionary files
// of the spell folder, the folder "spell" beside the character dictionary.
//
// The speller belongs to its user (the Lexicon), one per process. Loading the dictionary costs
// tens of milliseconds and megabytes, and the module is loaded into every process that takes
// text, most of which never type German; so CreateSpeller only remembers where the files are, and
// the first SuggestWords loads them. Answers are kept for the most recent inputs.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/lexicon/dictionary_encoding.h"
#include "ime/lexicon/suggestion_cache.h"

class Hunspell;

namespace kellavor::lexicon {

class Speller {
 public:
  static constexpr size_t kCachedInputs = 32;

  explicit Speller(size_t cachedInputs = kCachedInputs);
  ~Speller();
  Speller(const Speller&) = delete;
  Speller& operator=(const Speller&) = delete;

  // Takes the spell folder from the path of the character dictionary (its folder + "spell" +
  // separator). A path without a separator gives no speller. Replaces an earlier speller.
  void CreateSpeller(std::u16string_view charDictionaryPath);

  // Corrections for word in the speller's order; empty when there is no speller: no spell
  // folder, no "*.aff" or no "*.dic" in it (the first of each in the folder's listing order is
  // used), or files the speller cannot read. Loads the speller on the first call. A word without
  // capitals is asked with its first letter capitalised, so that it is corrected to nouns too;
  // the suggestions then come back capitalised.
  std::vector<std::u16string> SuggestWords(std::u16string_view word);

  // Releases the speller and the kept answers.
  void DeleteSpeller();

 private:
  void Load();

  std::optional<std::u16string> pendingFolder_;  // set until the first SuggestWords
  std::unique_ptr<Hunspell> hunspell_;
  DictionaryEncoding encoding_ = DictionaryEncoding::kUtf8;
  SuggestionCache cache_;
};

}  // namespace kellavor::lexicon
