// The shipped syllable table as the writer uses it: letters to numbers and back.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "ime/lexicon/syllable_table.h"

namespace kellavor::dictbuild {

const lexicon::SyllableTable& ShippedSyllableTable();

// The number of the syllable with exactly these letters; none for letters not in the table.
std::optional<uint16_t> SyllableNumber(std::string_view letters);

// The first letter of a syllable's text; 0xFFFF for no reading, which sorts after every letter.
char16_t SyllableInitial(uint16_t number);

}  // namespace kellavor::dictbuild
