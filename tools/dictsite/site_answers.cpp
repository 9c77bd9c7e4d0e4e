#include "tools/dictsite/site_answers.h"

#include <optional>

#include "tools/dictsite/site_pages.h"
#include "tools/dictsite/word_details.h"

namespace kellavor::dictsite {

std::string AnswerLookup(const lexicon::SystemDictionaries& dictionaries, std::string_view rawWord) {
  const std::optional<std::u16string> word = CheckedWord(rawWord);
  if (!word.has_value()) return UnknownWordPage("");
  if (const std::optional<WordDetails> details = LookUpWord(dictionaries, *word)) return LookupPage(*details);
  return UnknownWordPage(rawWord);
}

std::string AnswerWordPage(const lexicon::SystemDictionaries& dictionaries, std::string_view rawLetters) {
  const std::optional<std::u16string> letters = CheckedWord(rawLetters);
  if (!letters.has_value()) return WordPage("", {});
  return WordPage(rawLetters, WordsBeginningWith(dictionaries, *letters, kWordPageEntries));
}

}  // namespace kellavor::dictsite
