// The translation list that the manager hands to ImeToAsciiEx for the messages of one key: a
// 32-bit capacity, then message records of a 32-bit message, a pointer-sized wParam and lParam,
// aligned to the pointer size. So 64-bit code has 24-byte records from byte 8, 32-bit code
// 12-byte records from byte 4.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ime/platform/ime_port.h"

namespace kellavor::core {

inline constexpr size_t kTranslationRecordsOffset = sizeof(uintptr_t);
inline constexpr size_t kTranslationRecordSize = 3 * sizeof(uintptr_t);

// A view of a list that someone else owns; a null list has capacity 0.
class TranslationList {
 public:
  explicit TranslationList(void* list) : bytes_(static_cast<uint8_t*>(list)) {}

  uint32_t Capacity() const;
  // Writes record index; false, with nothing written, when index is not below the capacity.
  bool Store(uint32_t index, const platform::ImeMessage& message);
  // Record index as stored; an empty message for an index at or beyond the capacity.
  platform::ImeMessage At(uint32_t index) const;

 private:
  uint8_t* bytes_;
};

// A list of its own, as the manager allocates one, for the front ends that call ImeToAsciiEx
// themselves.
class TranslationListBuffer {
 public:
  explicit TranslationListBuffer(uint32_t capacity);

  void* data() { return words_.data(); }
  TranslationList list() { return TranslationList(words_.data()); }

 private:
  std::vector<uintptr_t> words_;  // pointer-sized words keep the records aligned
};

}  // namespace kellavor::core
