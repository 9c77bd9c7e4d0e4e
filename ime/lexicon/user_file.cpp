#include "ime/lexicon/user_file.h"

#include <algorithm>

#include "ime/lexicon/user_block.h"
#include "ime/lexicon/user_block_layout.h"
#include "ime/lexicon/user_index_order.h"

namespace kellavor::lexicon {

using namespace user_block;

namespace {

uint32_t HeaderField(std::span<const uint8_t> file, size_t field) { return LoadU32(file.data() + field); }

// Whether the record's body is exactly what its type says: no byte more or less, every text
// ended by its zero unit, the text length in the flags equal to the text's.
bool BodyIsWhole(const UserRecord& record) {
  const size_t length = record.length();
  if (record.isSingleChar()) return length == kSingleCharRecordSize;
  const std::u16string_view text = record.text();
  if (FlagField(record.flags(), 4, 7) != text.size()) return false;
  const size_t afterText = kRecordHeaderSize + 2 * (text.size() + 1);
  if (record.isGermanWord()) {
    return length == afterText + 2 * (record.hint().size() + 1) + 2 * (record.key().size() + 1);
  }
  if (afterText + 2 > length) return false;
  const uint16_t count = LoadU16(record.bytes() + afterText);
  return length == afterText + 2 * (static_cast<size_t>(count) + 1);
}

// The offset of each record in the area, or the reason the walk failed.
std::string WalkRecords(std::span<const uint8_t> area, uint32_t count, std::vector<uint32_t>& offsets) {
  size_t position = 0;
  while (position < area.size()) {
    if (offsets.size() == count) return "the record area holds more records than the header counts";
    const size_t remaining = area.size() - position;
    if (remaining < kRecordHeaderSize) return "the last record is cut short";
    const uint16_t length = LoadU16(area.data() + position);
    if (length < kRecordHeaderSize || length % 2 != 0 || length > remaining) {
      return "record " + std::to_string(offsets.size()) + " has a wrong length";
    }
    if (!BodyIsWhole(UserRecord(area.data() + position, length))) {
      return "record " + std::to_string(offsets.size()) + " is not what its type says";
    }
    offsets.push_back(static_cast<uint32_t>(position));
    position += length;
  }
  if (offsets.size() != count) return "the record area holds fewer records than the header counts";
  return {};
}

// Each record number exactly once.
bool IsPermutation(std::span<const uint8_t> index, uint32_t count) {
  std::vector<bool> seen(count, false);
  for (size_t k = 0; k < count; ++k) {
    const uint32_t number = LoadU32(index.data() + 4 * k);
    if (number >= count || seen[number]) return false;
    seen[number] = true;
  }
  return true;
}

}  // namespace

std::string CheckUserFile(std::span<const uint8_t> file, const SyllableTable& syllables) {
  if (file.size() < kHeaderSize) return "the file is shorter than its header";
  if (file.size() > kMaxFileSize) return "the file is larger than a user dictionary can be";
  const uint64_t count = HeaderField(file, kCountField);
  if (count > kMaxRecords) return "the header counts more records than a user dictionary may hold";
  const uint64_t indexSize = 4 * count;
  if (HeaderField(file, kIndex1SizeField) != indexSize || HeaderField(file, kIndex2SizeField) != indexSize) {
    return "the index sizes do not match the record count";
  }
  if (HeaderField(file, kIndex1OffsetField) != kHeaderSize ||
      HeaderField(file, kIndex2OffsetField) != kHeaderSize + indexSize ||
      HeaderField(file, kRecordAreaOffsetField) != kHeaderSize + 2 * indexSize) {
    return "the parts are not where the header says";
  }
  const uint64_t areaSize = HeaderField(file, kRecordAreaSizeField);
  if (kHeaderSize + 2 * indexSize + areaSize != file.size()) return "the sizes do not add up to the file's size";

  const auto n = static_cast<uint32_t>(count);
  const auto indexBytes = static_cast<size_t>(indexSize);
  const std::span<const uint8_t> index1 = file.subspan(kHeaderSize, indexBytes);
  const std::span<const uint8_t> index2 = file.subspan(kHeaderSize + indexBytes, indexBytes);
  const std::span<const uint8_t> area = file.subspan(kHeaderSize + 2 * indexBytes);
  std::vector<uint32_t> offsets;
  offsets.reserve(n);
  if (std::string fault = WalkRecords(area, n, offsets); !fault.empty()) return fault;
  if (!IsPermutation(index1, n) || !IsPermutation(index2, n)) return "an index does not hold each record once";

  const auto record = [&](std::span<const uint8_t> index, uint32_t k) {
    const uint32_t offset = offsets[LoadU32(index.data() + 4 * static_cast<size_t>(k))];
    return UserRecord(area.data() + offset, LoadU16(area.data() + offset));
  };
  for (uint32_t k = 1; k < n; ++k) {
    if (IndexOrder1(record(index1, k - 1), record(index1, k)) >= 0) return "index 1 is out of order or holds a duplicate";
    if (IndexOrder2(record(index2, k - 1), record(index2, k), syllables) > 0) return "index 2 is out of order";
  }
  return {};
}

bool LoadUserFile(std::span<const uint8_t> file, uint8_t* block, size_t size) {
  if (block == nullptr || file.size() < kHeaderSize || size < UserBlockSize(file.size())) return false;
  // The parts must fill the file as CheckUserFile has seen, so that every copy below stays inside it.
  const uint64_t count = HeaderField(file, kCountField);
  if (count > kMaxRecords || kHeaderSize + 8 * count + HeaderField(file, kRecordAreaSizeField) != file.size()) return false;
  uint8_t* dictionary = DictionaryOf(block);
  std::copy_n(file.data(), kHeaderSize, dictionary);
  UserLayout layout;
  layout.count = HeaderField(file, kCountField);
  layout.indexRoom = kIndexRoom;
  layout.index2Offset = static_cast<uint32_t>(kHeaderSize) + layout.IndexSize() + kIndexRoom;
  layout.recordAreaOffset = layout.index2Offset + layout.IndexSize() + kIndexRoom;
  layout.recordAreaSize = HeaderField(file, kRecordAreaSizeField);
  layout.recordRoom = kRecordRoom;
  layout.offsetTable = layout.RecordAreaEnd() + kRecordRoom;
  StoreUserLayout(block, layout);
  SetDirty(block, false);

  const uint8_t* parts = file.data() + kHeaderSize;
  std::copy_n(parts, layout.IndexSize(), dictionary + kHeaderSize);
  std::copy_n(parts + layout.IndexSize(), layout.IndexSize(), dictionary + layout.index2Offset);
  std::copy_n(parts + 2 * layout.IndexSize(), layout.recordAreaSize, dictionary + layout.recordAreaOffset);

  uint32_t offset = layout.recordAreaOffset;
  for (uint32_t k = 0; k < layout.count && offset < layout.RecordAreaEnd(); ++k) {
    StoreU32(dictionary + layout.offsetTable + 4 * static_cast<size_t>(k), offset);
    offset += LoadU16(dictionary + offset);
  }
  StoreU32(block + kDictionaryOffsetField, static_cast<uint32_t>(kBlockHeaderSize));
  return true;
}

std::optional<std::vector<uint8_t>> UserFileImage(const uint8_t* block, size_t size) {
  const std::optional<UserLayout> layout = ReadUserLayout(block, size);
  if (!layout) return std::nullopt;
  const uint8_t* dictionary = DictionaryOf(block);
  const uint32_t indexSize = layout->IndexSize();
  std::vector<uint8_t> image(kHeaderSize + 2 * static_cast<size_t>(indexSize) + layout->recordAreaSize);
  std::copy_n(dictionary, kHeaderSize, image.data());
  StoreU32(image.data() + kIndex1OffsetField, static_cast<uint32_t>(kHeaderSize));
  StoreU32(image.data() + kIndex2OffsetField, static_cast<uint32_t>(kHeaderSize) + indexSize);
  StoreU32(image.data() + kRecordAreaOffsetField, static_cast<uint32_t>(kHeaderSize) + 2 * indexSize);
  uint8_t* cursor = std::copy_n(dictionary + kHeaderSize, indexSize, image.data() + kHeaderSize);
  cursor = std::copy_n(dictionary + layout->index2Offset, indexSize, cursor);
  std::copy_n(dictionary + layout->recordAreaOffset, layout->recordAreaSize, cursor);
  return image;
}

}  // namespace kellavor::lexicon
