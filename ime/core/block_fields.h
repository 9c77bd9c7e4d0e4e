// 32-bit fields of the manager's in-memory structures, read and written at byte offsets in the
// machine's own byte order. Callers check the bounds once against the structure's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>

namespace kellavor::core {

inline uint32_t ReadField(std::span<const uint8_t> bytes, size_t offset) {
  uint32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof(value));
  return value;
}

inline void WriteField(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
  std::memcpy(bytes.data() + offset, &value, sizeof(value));
}

}  // namespace kellavor::core
