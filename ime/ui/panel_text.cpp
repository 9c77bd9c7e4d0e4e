#include "ime/ui/panel_text.h"

#include <algorithm>

namespace kellavor::ui {

std::u16string NumberLabel(size_t n) {
  std::u16string label = u" ";
  label += static_cast<char16_t>(u'0' + n % 10);
  label += u". ";
  return label;
}

std::u16string_view KeyHint(bool spaceSelects) {
  return spaceSelects ? u"  <- 按回车键直接输入" : u"  <- 按空格键直接输入";
}

size_t TypedPartLength(std::u16string_view composition, size_t split, size_t wordLength) {
  split = std::min(split, composition.size());
  const size_t blankBefore = composition.substr(0, split).rfind(u' ');
  const size_t start = blankBefore == std::u16string_view::npos ? 0 : blankBefore + 1;
  const size_t end = std::min(composition.find(u' ', split), composition.size());
  return std::min(end - start, wordLength);
}

}  // namespace kellavor::ui
