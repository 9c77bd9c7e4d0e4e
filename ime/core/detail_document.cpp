#include "ime/core/detail_document.h"

#include "ime/core/percent_encode.h"
#include "ime/core/text_replace.h"
#include "ime/platform/utf.h"

namespace kellavor::core {

std::string BuildDetailDocument(std::string_view documentTemplate, std::u16string_view word,
                                std::optional<std::u16string_view> sentence) {
  std::string document(documentTemplate);
  bool hasContent = false;
  std::string encodedWord;
  if (!word.empty()) {
    encodedWord = PercentEncode(platform::Utf16ToUtf8(word));
    hasContent = true;
  }
  ReplaceAllNarrow(document, "@word", encodedWord);
  std::string encodedSentence;
  if (sentence.has_value()) {
    encodedSentence = PercentEncode(platform::Utf16ToUtf8(*sentence));
    hasContent = true;
  }
  ReplaceAllNarrow(document, "@sent", encodedSentence);
  return hasContent ? document : std::string();
}

}  // namespace kellavor::core
