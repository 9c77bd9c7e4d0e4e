#include "tools/dictbuild/byte_image.h"

#include <limits>
#include <stdexcept>

namespace kellavor::dictbuild {

uint32_t ByteImage::Offset() const {
  if (bytes_.size() > std::numeric_limits<uint32_t>::max()) throw std::length_error("a dictionary file outgrows 32-bit offsets");
  return static_cast<uint32_t>(bytes_.size());
}

void ByteImage::AppendU16(uint16_t value) {
  bytes_.push_back(static_cast<uint8_t>(value));
  bytes_.push_back(static_cast<uint8_t>(value >> 8));
}

void ByteImage::AppendU32(uint32_t value) {
  AppendU16(static_cast<uint16_t>(value));
  AppendU16(static_cast<uint16_t>(value >> 16));
}

void ByteImage::AppendUnits(std::u16string_view text) {
  for (char16_t unit : text) AppendU16(unit);
}

void ByteImage::AppendBytes(const void* bytes, size_t count) {
  const auto* begin = static_cast<const uint8_t*>(bytes);
  bytes_.insert(bytes_.end(), begin, begin + count);
}

void ByteImage::Align(size_t alignment) {
  while (bytes_.size() % alignment != 0) bytes_.push_back(0);
}

void ByteImage::PutU16At(size_t offset, uint16_t value) {
  bytes_.at(offset) = static_cast<uint8_t>(value);
  bytes_.at(offset + 1) = static_cast<uint8_t>(value >> 8);
}

void ByteImage::SetHeaderWord(uint32_t word, uint32_t value) {
  for (size_t k = 0; k < 4; ++k) bytes_.at(4 * static_cast<size_t>(word) + k) = static_cast<uint8_t>(value >> (8 * k));
}

}  // namespace kellavor::dictbuild
