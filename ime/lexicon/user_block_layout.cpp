#include "ime/lexicon/user_block_layout.h"

#include <algorithm>

namespace kellavor::lexicon {

using namespace user_block;

bool UserLayout::HasRoom(uint32_t length) const {
  return indexRoom >= 4 && recordRoom >= length && count < offsetTableCapacity && count < kMaxRecords;
}

std::optional<UserLayout> ReadUserLayout(const uint8_t* block, size_t size) {
  if (block == nullptr || size < kBlockHeaderSize + kHeaderSize) return std::nullopt;
  if (LoadU32(block + kDictionaryOffsetField) != kBlockHeaderSize) return std::nullopt;
  const uint8_t* dictionary = DictionaryOf(block);
  const auto field = [&](size_t at) -> uint64_t { return LoadU32(dictionary + at); };
  const uint64_t capacity = size - kBlockHeaderSize;

  // All sums in 64 bits, so that no field can wrap another into range.
  const uint64_t count = field(kCountField);
  const uint64_t indexSize = 4 * count;
  const uint64_t indexRoom = field(kIndexRoomField);
  const uint64_t index2 = field(kIndex2OffsetField);
  const uint64_t area = field(kRecordAreaOffsetField);
  const uint64_t areaSize = field(kRecordAreaSizeField);
  const uint64_t recordRoom = field(kRecordRoomField);
  const uint64_t table = LoadU32(block + kOffsetTableField);
  if (field(kIndex1OffsetField) != kHeaderSize || field(kIndex1SizeField) != indexSize ||
      field(kIndex2SizeField) != indexSize || index2 != kHeaderSize + indexSize + indexRoom ||
      area != index2 + indexSize + indexRoom || table != area + areaSize + recordRoom || area % 2 != 0 ||
      areaSize % 2 != 0 || table > capacity || (capacity - table) / 4 < count) {
    return std::nullopt;
  }
  UserLayout layout;
  layout.count = static_cast<uint32_t>(count);
  layout.index2Offset = static_cast<uint32_t>(index2);
  layout.indexRoom = static_cast<uint32_t>(indexRoom);
  layout.recordAreaOffset = static_cast<uint32_t>(area);
  layout.recordAreaSize = static_cast<uint32_t>(areaSize);
  layout.recordRoom = static_cast<uint32_t>(recordRoom);
  layout.offsetTable = static_cast<uint32_t>(table);
  layout.offsetTableCapacity = static_cast<uint32_t>(std::min<uint64_t>((capacity - table) / 4, UINT32_MAX));
  return layout;
}

void StoreUserLayout(uint8_t* block, const UserLayout& layout) {
  uint8_t* dictionary = DictionaryOf(block);
  StoreU32(dictionary + kCountField, layout.count);
  StoreU32(dictionary + kIndexRoomField, layout.indexRoom);
  StoreU32(dictionary + kRecordRoomField, layout.recordRoom);
  StoreU32(dictionary + kRecordAreaOffsetField, layout.recordAreaOffset);
  StoreU32(dictionary + kRecordAreaSizeField, layout.recordAreaSize);
  StoreU32(dictionary + kIndex1OffsetField, static_cast<uint32_t>(kHeaderSize));
  StoreU32(dictionary + kIndex1SizeField, layout.IndexSize());
  StoreU32(dictionary + kIndex2OffsetField, layout.index2Offset);
  StoreU32(dictionary + kIndex2SizeField, layout.IndexSize());
  StoreU32(block + kOffsetTableField, layout.offsetTable);
}

bool LayOutEmptyDictionary(uint8_t* block, size_t size) {
  if (block == nullptr || size < kEmptyBlockSize) return false;
  std::fill(DictionaryOf(block), DictionaryOf(block) + kHeaderSize, uint8_t{0});
  StoreU32(DictionaryOf(block) + kFormatField, 1);
  UserLayout layout;
  layout.index2Offset = kEmptyIndex2Offset;
  layout.indexRoom = kIndexRoom;
  layout.recordAreaOffset = kEmptyRecordAreaOffset;
  layout.recordRoom = kRecordRoom;
  layout.offsetTable = kEmptyRecordAreaOffset + kRecordRoom;
  StoreUserLayout(block, layout);
  StoreU32(block + kDictionaryOffsetField, static_cast<uint32_t>(kBlockHeaderSize));
  return true;
}

}  // namespace kellavor::lexicon
