// The layout of the shared user block and bounds-checked read access to it.
//
// The block is writable memory of every process in the session: a process that dies in the middle
// of a change, or a foreign writer, can leave any offset, length or count in it. Every read goes
// through UserBlockView, which checks each field against the block's size before it is used and
// reports what fails as absent, so that no search can be made to read outside the block.
//
// Block:       0 dictionary offset (24)   4 offset table offset (from the dictionary)   8 dirty flag
//              12 reserved                24 the dictionary
// Dictionary:  the 128-byte header, index 1 + room, index 2 + room, record area + room, offset table
// Record:      0 length   2 flags   6 use count   10 base frequency   14 body
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {

namespace user_block {
inline constexpr size_t kBlockHeaderSize = 24;
inline constexpr size_t kDictionaryOffsetField = 0;
inline constexpr size_t kOffsetTableField = 4;
inline constexpr size_t kDirtyField = 8;

inline constexpr size_t kHeaderSize = 128;  // of the dictionary, and of the file
inline constexpr size_t kFormatField = 0;
inline constexpr size_t kCountField = 4;
inline constexpr size_t kIndexRoomField = 16;
inline constexpr size_t kRecordRoomField = 20;
inline constexpr size_t kRecordAreaOffsetField = 104;
inline constexpr size_t kRecordAreaSizeField = 108;
inline constexpr size_t kIndex1OffsetField = 112;
inline constexpr size_t kIndex1SizeField = 116;
inline constexpr size_t kIndex2OffsetField = 120;
inline constexpr size_t kIndex2SizeField = 124;

inline constexpr uint32_t kIndexRoom = 20000;
inline constexpr uint32_t kRecordRoom = 262144;
inline constexpr uint32_t kOffsetTableRoom = 20000;

inline constexpr size_t kRecordHeaderSize = 14;
inline constexpr size_t kSingleCharRecordSize = 20;
}  // namespace user_block

// Record flags.
namespace user_flags {
inline constexpr uint32_t kSingleChar = 0x80000000u;
inline constexpr uint32_t kGermanWord = 0x1u;
inline constexpr uint32_t kComposed = 0x800u;  // a phrase made of several selections; a word not in the dictionary
}  // namespace user_flags

// One record of the user dictionary, whose length and texts have been checked against the block.
class UserRecord {
 public:
  UserRecord() = default;
  UserRecord(const uint8_t* bytes, uint16_t length) : bytes_(bytes), length_(length) {}

  explicit operator bool() const { return bytes_ != nullptr; }
  const uint8_t* bytes() const { return bytes_; }
  uint16_t length() const { return length_; }

  uint32_t flags() const { return LoadU32(bytes_ + 2); }
  uint32_t useCount() const { return LoadU32(bytes_ + 6); }
  uint32_t baseFrequency() const { return LoadU32(bytes_ + 10); }
  bool isSingleChar() const { return (flags() & user_flags::kSingleChar) != 0; }
  bool isGermanWord() const { return !isSingleChar() && (flags() & user_flags::kGermanWord) != 0; }
  bool isPhrase() const { return !isSingleChar() && !isGermanWord(); }
  bool isComposed() const { return (flags() & user_flags::kComposed) != 0; }
  // A single character keeps its CharRecord flags, class in bits 1 to 4; a phrase has bits 12 to 15.
  uint8_t charClass() const {
    return static_cast<uint8_t>(isSingleChar() ? FlagField(flags(), 1, 4) : FlagField(flags(), 12, 4));
  }

  // Single character: the character value as in a CharRecord and its syllable number.
  uint32_t character() const { return LoadU32(bytes_ + 14); }
  uint16_t syllable() const { return LoadU16(bytes_ + 18); }

  // Phrase or German word: the text (the word of a German word record).
  std::u16string_view text() const;
  // Phrase: its syllable numbers.
  uint16_t syllableCount() const;
  uint16_t syllableAt(uint32_t i) const;
  // German word: the hint and the key that follow the word.
  std::u16string_view hint() const;
  std::u16string_view key() const;

 private:
  std::u16string_view TextAt(size_t offset) const;

  const uint8_t* bytes_ = nullptr;
  uint16_t length_ = 0;
};

// Read access to a user block of `size` bytes at `block`.
class UserBlockView {
 public:
  UserBlockView() = default;
  UserBlockView(const uint8_t* block, size_t size) : block_(block), size_(size) {}

  // Records every index entry and offset-table entry can be read for: the stored count, cut to
  // what both indexes and the offset table hold inside the block (0 for a block that fails).
  uint32_t RecordCount() const;
  // Entry k (below RecordCount()) of index 1 or index 2: a record number.
  uint32_t Index1(uint32_t k) const { return IndexEntry(user_block::kIndex1OffsetField, k); }
  uint32_t Index2(uint32_t k) const { return IndexEntry(user_block::kIndex2OffsetField, k); }
  // Record `number`, checked; empty when the number, its offset, its length or its texts do not
  // fit inside the record area.
  UserRecord RecordAt(uint32_t number) const;

 private:
  const uint8_t* Dictionary() const;
  uint32_t DictionaryField(size_t field) const { return LoadU32(Dictionary() + field); }
  // Whether [offset, offset + length) of the dictionary lies inside the block.
  bool DictionaryHolds(uint64_t offset, uint64_t length) const;
  uint32_t IndexEntry(size_t offsetField, uint32_t k) const;

  const uint8_t* block_ = nullptr;
  size_t size_ = 0;
};

}  // namespace kellavor::lexicon
