#include "ime/base/text_replace.h"

#include <new>

namespace kellavor::base {
namespace {

// The text with every occurrence replaced, or nothing when there is none. Works for both
// widths; find must not be empty.
template <typename Char>
std::optional<std::basic_string<Char>> ReplaceOccurrences(std::basic_string_view<Char> text,
                                                          std::basic_string_view<Char> find,
                                                          std::basic_string_view<Char> replacement) {
  size_t found = text.find(find);
  if (found == std::basic_string_view<Char>::npos) return std::nullopt;
  std::basic_string<Char> result;
  size_t copied = 0;
  do {
    result.append(text, copied, found - copied);
    result.append(replacement);
    copied = found + find.size();
    found = text.find(find, copied);
  } while (found != std::basic_string_view<Char>::npos);
  result.append(text, copied);
  return result;
}

}  // namespace

std::optional<std::u16string> ReplaceAll(std::u16string_view text, std::u16string_view find,
                                         std::u16string_view replacement) {
  if (find.empty()) return std::nullopt;
  try {
    return ReplaceOccurrences(text, find, replacement);
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

void ReplaceAllNarrow(std::string& text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return;
  // The result is built aside, so find and replacement may even be views into text, and text
  // stays as it was when memory runs out.
  try {
    if (std::optional<std::string> replaced = ReplaceOccurrences(std::string_view(text), find, replacement)) {
      text = std::move(*replaced);
    }
  } catch (const std::bad_alloc&) {
  }
}

}  // namespace kellavor::base
