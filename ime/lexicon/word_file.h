// Where the parts of "data_de.bin" lie: header word 1 key index entries at word 59, each the byte
// offset of a word record, ascending by key.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace kellavor::lexicon {

struct WordFileLayout {
  uint32_t count = 0;
  uint32_t keyIndexOffset = 0;
  // A record fits when it starts at an even offset with its word no later than this: the third
  // zero unit from the end of the file lies here, so the word, the hint and the key that follow
  // each end inside the file.
  uint64_t lastWordStart = 0;
};

// The layout when the key index lies inside the file and every entry points at a record that fits;
// otherwise none, with the reason in fault. The order is not checked.
std::optional<WordFileLayout> LocateWordFile(std::span<const uint8_t> file, std::string& fault);

// The same from the header and the end of the file alone, the entries not looked at: for a file the
// full check has passed before. A record is read only where WordRecordFits, so an entry that points
// elsewhere still reads as no record.
std::optional<WordFileLayout> LocateWordFileBounds(std::span<const uint8_t> file, std::string& fault);

bool WordRecordFits(const WordFileLayout& layout, uint64_t offset);

}  // namespace kellavor::lexicon
