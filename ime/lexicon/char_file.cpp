#include "ime/lexicon/char_file.h"

#include "ime/lexicon/char_record.h"
#include "ime/lexicon/file_bounds.h"

namespace kellavor::lexicon {

std::optional<CharFileLayout> LocateCharFile(std::span<const uint8_t> file, std::string& fault) {
  if (file.size() < HeaderBytesReading(header_word::kCharIndex)) {
    fault = "the header is cut short";
    return std::nullopt;
  }
  CharFileLayout layout;
  layout.count = HeaderWord(file.data(), header_word::kEntryCount);
  layout.tableOffset = HeaderWord(file.data(), header_word::kCharTable);
  layout.indexOffset = HeaderWord(file.data(), header_word::kCharIndex);
  if (!FitsInFile(layout.tableOffset, layout.count, sizeof(CharRecord), file.size())) {
    fault = "the record table (" + std::to_string(layout.count) + " records at offset " +
            std::to_string(layout.tableOffset) + ") runs past the end of the file";
    return std::nullopt;
  }
  if (!FitsInFile(layout.indexOffset, layout.count, 4, file.size())) {
    fault = "the character index (" + std::to_string(layout.count) + " entries at offset " +
            std::to_string(layout.indexOffset) + ") runs past the end of the file";
    return std::nullopt;
  }
  const uint32_t bad = FirstEntryNotBelow(file.data() + layout.indexOffset, layout.count, layout.count);
  if (bad < layout.count) {
    fault = "character index entry " + std::to_string(bad) + " names a record outside the table of " +
            std::to_string(layout.count);
    return std::nullopt;
  }
  return layout;
}

}  // namespace kellavor::lexicon
