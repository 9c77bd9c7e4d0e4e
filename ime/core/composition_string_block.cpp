#include "ime/core/composition_string_block.h"

#include <algorithm>
#include <cstring>

#include "ime/core/block_fields.h"

namespace kellavor::core {
namespace cs = composition_string;
namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }

void WriteUnit(std::span<uint8_t> block, size_t offset, char16_t unit) {
  std::memcpy(block.data() + offset, &unit, sizeof(unit));
}

std::u16string ReadString(std::span<const uint8_t> block, size_t lengthField, size_t offsetField) {
  if (block.size() < cs::kHeaderSize) return {};
  const size_t length = ReadField(block, lengthField);
  const size_t offset = ReadField(block, offsetField);
  if (offset > block.size() || length > (block.size() - offset) / sizeof(char16_t)) return {};
  std::u16string text(length, u'\0');
  std::memcpy(text.data(), block.data() + offset, length * sizeof(char16_t));
  return text;
}

}  // namespace

bool InitCompositionStringBlock(std::span<uint8_t> block) {
  if (block.size() < kCompositionStringBlockSize) return false;
  std::fill_n(block.begin(), kCompositionStringBlockSize, uint8_t {0});
  WriteField(block, cs::kSize, kCompositionStringBlockSize);
  WriteField(block, cs::kCompReadStrOffset, cs::kCompReadStrArea);
  WriteField(block, cs::kCompAttrOffset, cs::kCompAttrArea);
  WriteField(block, cs::kCompStrOffset, cs::kCompStrArea);
  WriteField(block, cs::kResultStrOffset, cs::kResultStrArea);
  return true;
}

void ClearCompositionStringBlock(std::span<uint8_t> block) {
  if (block.size() < kCompositionStringBlockSize) return;
  WriteUnit(block, cs::kCompStrArea, 0);
  WriteUnit(block, cs::kResultStrArea, 0);
  for (size_t field : {cs::kCompReadAttrLen, cs::kCompReadClauseLen, cs::kCompReadStrLen, cs::kCompAttrLen,
                       cs::kCompClauseLen, cs::kCompStrLen, cs::kResultReadClauseLen, cs::kResultReadStrLen,
                       cs::kResultClauseLen, cs::kResultStrLen, cs::kCursorPos, cs::kDeltaStart}) {
    WriteField(block, field, 0);
  }
}

size_t WriteResultString(std::span<uint8_t> block, std::u16string_view text) {
  if (block.size() < kCompositionStringBlockSize) return 0;
  size_t length = std::min(text.size(), kMaxResultStringUnits);
  if (length < text.size() && length > 0 && IsHighSurrogate(text[length - 1])) --length;
  std::memcpy(block.data() + cs::kResultStrArea, text.data(), length * sizeof(char16_t));
  WriteUnit(block, cs::kResultStrArea + length * sizeof(char16_t), 0);
  WriteField(block, cs::kResultStrLen, static_cast<uint32_t>(length));
  return length;
}

std::u16string ReadResultString(std::span<const uint8_t> block) {
  return ReadString(block, cs::kResultStrLen, cs::kResultStrOffset);
}

std::u16string ReadCompositionString(std::span<const uint8_t> block) {
  return ReadString(block, cs::kCompStrLen, cs::kCompStrOffset);
}

}  // namespace kellavor::core
