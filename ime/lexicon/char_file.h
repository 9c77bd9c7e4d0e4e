// Where the parts of "data_si.bin" lie: header word 1 records of 12 bytes at word 24, sorted by
// character, and as many index entries (record numbers) at word 27, ordered by the first letter of
// each record's reading with records without a reading last.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kellavor::lexicon {

struct CharFileLayout {
  uint32_t count = 0;
  uint32_t tableOffset = 0;
  uint32_t indexOffset = 0;
};

// The layout when the table and the index lie inside the file and every index entry names a record;
// otherwise none, with the reason in fault. The orders are not checked.
std::optional<CharFileLayout> LocateCharFile(std::span<const uint8_t> file, std::string& fault);

}  // namespace kellavor::lexicon
