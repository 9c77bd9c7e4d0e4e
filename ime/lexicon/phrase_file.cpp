#include "ime/lexicon/phrase_file.h"

#include "ime/lexicon/file_bounds.h"
#include "ime/lexicon/phrase_record.h"

namespace kellavor::lexicon {
namespace {

// What is wrong with the record at this position of the area; null when its fields all lie inside
// its length.
const char* RecordFault(const uint8_t* record, size_t roomInArea) {
  if (roomInArea < 2) return "is cut off by the end of the area";
  const size_t length = LoadU16(record + PhraseRecord::kLengthOffset);
  if (length > roomInArea) return "runs past the end of the area";
  if (length % 2 != 0) return "has an odd length";
  if (length < PhraseRecord::MinimumLength(0, PhraseRecord::kMinSyllables)) return "is shorter than its fields";
  const PhraseRecord phrase(record);
  if (PhraseRecord::MinimumLength(phrase.textLength(), 0) > length) return "is shorter than its text";
  if (LoadU16(record + PhraseRecord::kTextOffset + 2 * static_cast<size_t>(phrase.textLength())) != 0) {
    return "has no zero unit after its text";
  }
  if (phrase.syllableCount() < PhraseRecord::kMinSyllables) return "has fewer than two syllables";
  if (PhraseRecord::MinimumLength(phrase.textLength(), phrase.syllableCount()) > length) {
    return "is shorter than its syllables";
  }
  return nullptr;
}

}  // namespace

std::optional<PhraseFileLayout> LocatePhraseFile(std::span<const uint8_t> file, std::string& fault) {
  if (file.size() < HeaderBytesReading(header_word::kPhraseInitialsIndex)) {
    fault = "the header is cut short";
    return std::nullopt;
  }
  PhraseFileLayout layout;
  layout.count = HeaderWord(file.data(), header_word::kEntryCount);
  layout.areaOffset = HeaderWord(file.data(), header_word::kPhraseArea);
  layout.areaLength = HeaderWord(file.data(), header_word::kPhraseAreaLength);
  layout.initialsIndexOffset = HeaderWord(file.data(), header_word::kPhraseInitialsIndex);
  if (!FitsInFile(layout.areaOffset, layout.areaLength, 1, file.size())) {
    fault = "the record area (" + std::to_string(layout.areaLength) + " bytes at offset " +
            std::to_string(layout.areaOffset) + ") runs past the end of the file";
    return std::nullopt;
  }
  if (layout.areaOffset % 2 != 0) {
    fault = "the record area starts at an odd offset";
    return std::nullopt;
  }
  if (layout.count > layout.areaLength / PhraseRecord::MinimumLength(0, PhraseRecord::kMinSyllables)) {
    fault = "the header counts " + std::to_string(layout.count) + " records, more than the area can hold";
    return std::nullopt;
  }
  if (!FitsInFile(layout.initialsIndexOffset, layout.count, 4, file.size())) {
    fault = "the initials index (" + std::to_string(layout.count) + " entries at offset " +
            std::to_string(layout.initialsIndexOffset) + ") runs past the end of the file";
    return std::nullopt;
  }
  const uint32_t bad = FirstEntryNotBelow(file.data() + layout.initialsIndexOffset, layout.count, layout.count);
  if (bad < layout.count) {
    fault = "initials index entry " + std::to_string(bad) + " names a record outside the " +
            std::to_string(layout.count) + " of the area";
    return std::nullopt;
  }
  return layout;
}

bool WalkPhraseArea(std::span<const uint8_t> file, const PhraseFileLayout& layout,
                    std::vector<uint32_t>& records, std::string& fault) {
  records.clear();
  records.reserve(layout.count);
  const uint8_t* position = file.data() + layout.areaOffset;
  const uint8_t* end = position + layout.areaLength;
  while (position < end) {
    if (records.size() == layout.count) {
      fault = "the record area holds more than the " + std::to_string(layout.count) + " records of the header";
      return false;
    }
    if (const char* recordFault = RecordFault(position, static_cast<size_t>(end - position))) {
      fault = "phrase record " + std::to_string(records.size()) + " " + recordFault;
      return false;
    }
    records.push_back(static_cast<uint32_t>(position - file.data()));
    position += LoadU16(position + PhraseRecord::kLengthOffset);
  }
  if (records.size() != layout.count) {
    fault = "the record area holds " + std::to_string(records.size()) + " records, the header says " +
            std::to_string(layout.count);
    return false;
  }
  return true;
}

}  // namespace kellavor::lexicon
