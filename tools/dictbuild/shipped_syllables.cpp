#include "tools/dictbuild/shipped_syllables.h"

#include <string>

namespace kellavor::dictbuild {

const lexicon::SyllableTable& ShippedSyllableTable() {
  static const lexicon::SyllableTable table(lexicon::EncodeSyllableTable(lexicon::ShippedSyllables()));
  return table;
}

std::optional<uint16_t> SyllableNumber(std::string_view letters) {
  std::u16string text;
  for (char c : letters) text += static_cast<char16_t>(static_cast<unsigned char>(c));
  return ShippedSyllableTable().Find(text);
}

char16_t SyllableInitial(uint16_t number) {
  const std::u16string_view text = ShippedSyllableTable().Text(number);
  return text.empty() ? char16_t{0xFFFF} : text.front();
}

}  // namespace kellavor::dictbuild
