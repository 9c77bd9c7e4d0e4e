#include "ime/core/detail_document.h"

#include "ime/base/percent_encode.h"
#include "ime/base/text_replace.h"
#include "ime/platform/utf.h"

namespace kellavor::core {

std::string BuildDetailDocument(std::string_view documentTemplate, std::u16string_view word,
                                std::optional<std::u16string_view> sentence) {
  std::string document(documentTemplate);
  bool hasContent = false;
  std::string encodedWord;
  if (!word.empty()) {
    encodedWord = base::PercentEncode(platform::Utf16ToUtf8(word));
    hasContent = true;
  }
  base::ReplaceAllNarrow(document, "@word", encodedWord);
  std::string encodedSentence;
  if (sentence.has_value()) {
    encodedSentence = base::PercentEncode(platform::Utf16ToUtf8(*sentence));
    hasContent = true;
  }
  base::ReplaceAllNarrow(document, "@sent", encodedSentence);
  return hasContent ? document : std::string();
}

}  // namespace kellavor::core
