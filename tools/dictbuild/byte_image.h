// A dictionary file being assembled in memory: little-endian numbers and UTF-16 text appended at
// the end or patched in at an offset.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

namespace kellavor::dictbuild {

class ByteImage {
 public:
  // An image that starts with a zeroed header of headerWords 32-bit words.
  explicit ByteImage(size_t headerWords) : bytes_(4 * headerWords, 0) {}

  size_t size() const { return bytes_.size(); }
  // The current end as a file offset; throws std::length_error beyond the 32 bits of the offsets.
  uint32_t Offset() const;
  void AppendU16(uint16_t value);
  void AppendU32(uint32_t value);
  void AppendUnits(std::u16string_view text);  // the units only, no zero unit
  void AppendBytes(const void* bytes, size_t count);
  // Zero bytes up to the next multiple of alignment.
  void Align(size_t alignment);
  void PutU16At(size_t offset, uint16_t value);
  void SetHeaderWord(uint32_t word, uint32_t value);

  std::vector<uint8_t> Take() && { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace kellavor::dictbuild
