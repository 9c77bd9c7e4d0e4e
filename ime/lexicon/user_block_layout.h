// The write side's map of the shared user block: how big the block is made, where each part of the
// dictionary lies, and the few header fields that learning, loading and clearing change.
//
// Loading, learning and clearing keep the parts back to back with their room between them:
//   index 1 at 128, its 4 x count bytes, the index room; index 2, 4 x count bytes, the index room;
//   the record area, its bytes, the record room; the offset table, up to the end of the block.
// A change is made only to a block whose header says exactly that, so that no write can land
// outside the block whatever a dying process or a foreign writer left in its fields.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>

#include "ime/lexicon/user_block.h"

namespace kellavor::lexicon {

inline void StoreU16(uint8_t* bytes, uint16_t value) { std::memcpy(bytes, &value, sizeof value); }
inline void StoreU32(uint8_t* bytes, uint32_t value) { std::memcpy(bytes, &value, sizeof value); }

namespace user_block {
// What the block holds beyond the file: the block header, the room of both indexes and of the
// record area, and 40000 bytes in which the offset table of the loaded and of the learned records
// must fit together.
inline constexpr size_t kRoomBeyondFile = 342168;
inline constexpr size_t kEmptyBlockSize = kRoomBeyondFile + kHeaderSize;
inline constexpr uint32_t kEmptyIndex2Offset = kHeaderSize + kIndexRoom;
inline constexpr uint32_t kEmptyRecordAreaOffset = kEmptyIndex2Offset + kIndexRoom;
// 40000 bytes of offset table: the most records a dictionary may hold, loaded and learned.
inline constexpr uint32_t kMaxRecords = 10000;
// A larger data_us.bin is not taken for a dictionary (10000 records of a few hundred bytes each).
inline constexpr size_t kMaxFileSize = 16u << 20;
}  // namespace user_block

// The size of the block made for a file of that many bytes, or for no file.
constexpr size_t UserBlockSize(std::optional<size_t> fileBytes) {
  return fileBytes ? *fileBytes + user_block::kRoomBeyondFile : user_block::kEmptyBlockSize;
}

struct UserLayout {
  uint32_t count = 0;
  uint32_t index2Offset = 0;
  uint32_t indexRoom = 0;
  uint32_t recordAreaOffset = 0;
  uint32_t recordAreaSize = 0;
  uint32_t recordRoom = 0;
  uint32_t offsetTable = 0;
  uint32_t offsetTableCapacity = 0;  // entries the block holds from the table's start to its end

  uint32_t IndexSize() const { return 4 * count; }
  uint32_t RecordAreaEnd() const { return recordAreaOffset + recordAreaSize; }
  // Room for one more record of `length` bytes: its two index entries, its bytes and its entry in
  // the offset table, within the most records a dictionary may hold.
  bool HasRoom(uint32_t length) const;
};

// The layout the block's headers describe; none unless the dictionary is at offset 24 and its parts
// lie back to back inside the block as above (record offsets even).
std::optional<UserLayout> ReadUserLayout(const uint8_t* block, size_t size);

// Stores the count, the sizes, the rooms and the offsets of the layout in the headers.
void StoreUserLayout(uint8_t* block, const UserLayout& layout);

// Lays an empty dictionary out as a fresh install has it (format 1, index 2 at 20128, the records at
// 40128 with 262144 bytes of room), clearing the whole dictionary header; the dictionary offset is
// stored last. False, and nothing written, when the block is smaller than an empty dictionary needs.
bool LayOutEmptyDictionary(uint8_t* block, size_t size);

inline uint8_t* DictionaryOf(uint8_t* block) { return block + user_block::kBlockHeaderSize; }
inline const uint8_t* DictionaryOf(const uint8_t* block) { return block + user_block::kBlockHeaderSize; }

inline bool IsDirty(const uint8_t* block) { return LoadU32(block + user_block::kDirtyField) != 0; }
inline void SetDirty(uint8_t* block, bool dirty) { StoreU32(block + user_block::kDirtyField, dirty ? 1 : 0); }

}  // namespace kellavor::lexicon
