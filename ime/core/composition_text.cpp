#include "ime/core/composition_text.h"

#include <algorithm>

namespace kellavor::core {

TextRange WordAroundCaret(std::u16string_view composition, size_t cursor) {
  cursor = std::min(cursor, composition.size());
  const size_t spaceBefore = cursor == 0 ? std::u16string_view::npos : composition.rfind(u' ', cursor - 1);
  const size_t begin = spaceBefore == std::u16string_view::npos ? 0 : spaceBefore + 1;
  const size_t spaceAfter = composition.find(u' ', cursor);
  const size_t end = spaceAfter == std::u16string_view::npos ? composition.size() : spaceAfter;
  return {begin, end};
}

std::u16string_view SearchKeyOf(std::u16string_view composition, size_t cursor, bool sentenceInput) {
  if (sentenceInput) {
    const TextRange word = WordAroundCaret(composition, cursor);
    return composition.substr(word.begin, word.end - word.begin);
  }
  if (cursor == 0 || cursor > composition.size()) return composition;
  return composition.substr(0, cursor);
}

bool ReplaceWordAroundCaret(std::u16string_view composition, size_t cursor, std::u16string_view text,
                            ReplacedWord& out) {
  const TextRange word = WordAroundCaret(composition, cursor);
  const size_t length = composition.size() - (word.end - word.begin) + text.size();
  if (length > kMaxCompositionUnits) return false;
  out.composition.assign(composition.substr(0, word.begin));
  out.composition.append(text);
  out.composition.append(composition.substr(word.end));
  out.cursor = word.begin + text.size();
  return true;
}

bool EndsSentence(std::u16string_view composition) {
  if (composition.empty()) return false;
  const char16_t last = composition.back();
  return last == u'.' || last == u'?' || last == u'!' || last == u' ';
}

}  // namespace kellavor::core
