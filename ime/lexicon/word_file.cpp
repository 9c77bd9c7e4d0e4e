#include "ime/lexicon/word_file.h"

#include "ime/lexicon/file_bounds.h"
#include "ime/lexicon/word_record.h"

namespace kellavor::lexicon {
namespace {

// The offset of the third zero unit (on even offsets) counted from the end of the file; 0 when the
// file holds fewer than three, so that no record fits.
uint64_t ThirdZeroUnitFromEnd(std::span<const uint8_t> file) {
  int found = 0;
  for (size_t offset = file.size() & ~size_t{1}; offset >= 2;) {
    offset -= 2;
    if (LoadU16(file.data() + offset) == 0 && ++found == 3) return offset;
  }
  return 0;
}

}  // namespace

bool WordRecordFits(const WordFileLayout& layout, uint64_t offset) {
  return offset % 2 == 0 && offset + WordRecord::kWordOffset <= layout.lastWordStart;
}

std::optional<WordFileLayout> LocateWordFileBounds(std::span<const uint8_t> file, std::string& fault) {
  if (file.size() < HeaderBytesReading(header_word::kWordKeyIndex)) {
    fault = "the header is cut short";
    return std::nullopt;
  }
  WordFileLayout layout;
  layout.count = HeaderWord(file.data(), header_word::kEntryCount);
  layout.keyIndexOffset = HeaderWord(file.data(), header_word::kWordKeyIndex);
  if (!FitsInFile(layout.keyIndexOffset, layout.count, 4, file.size())) {
    fault = "the key index (" + std::to_string(layout.count) + " entries at offset " +
            std::to_string(layout.keyIndexOffset) + ") runs past the end of the file";
    return std::nullopt;
  }
  layout.lastWordStart = ThirdZeroUnitFromEnd(file);
  return layout;
}

std::optional<WordFileLayout> LocateWordFile(std::span<const uint8_t> file, std::string& fault) {
  const std::optional<WordFileLayout> layout = LocateWordFileBounds(file, fault);
  if (!layout) return std::nullopt;
  for (uint32_t k = 0; k < layout->count; ++k) {
    const uint32_t offset = LoadU32(file.data() + layout->keyIndexOffset + 4 * static_cast<size_t>(k));
    if (!WordRecordFits(*layout, offset)) {
      fault = "key index entry " + std::to_string(k) + " points at offset " + std::to_string(offset) +
              ", where no record with terminated texts fits";
      return std::nullopt;
    }
  }
  return layout;
}

}  // namespace kellavor::lexicon
