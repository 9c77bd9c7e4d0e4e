// Where the parts of "data_ph.bin" lie: the record area at header word 57, word 58 bytes long,
// holding word 1 records back to back, and word 1 initials index entries (positions in the walk
// order) at word 61, ordered by the first letters of the first two syllables.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kellavor::lexicon {

struct PhraseFileLayout {
  uint32_t count = 0;
  uint32_t areaOffset = 0;
  uint32_t areaLength = 0;
  uint32_t initialsIndexOffset = 0;
};

// The layout when the area and the index lie inside the file, the area starts at an even offset
// and every index entry names a record; otherwise none, with the reason in fault.
std::optional<PhraseFileLayout> LocatePhraseFile(std::span<const uint8_t> file, std::string& fault);

// Walks the record area from its start by the record lengths and collects the offset of each record
// in the file (four bytes a record, half a pointer on 64-bit systems).
// False, with the reason in fault, when a record is shorter than its fields need, has an odd length
// (texts stay on even addresses), lacks the zero unit after its text, has fewer than two syllables
// or runs past the area, or when the walk does not find exactly header word 1 records.
bool WalkPhraseArea(std::span<const uint8_t> file, const PhraseFileLayout& layout,
                    std::vector<uint32_t>& records, std::string& fault);

}  // namespace kellavor::lexicon
