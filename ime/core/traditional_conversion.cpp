#include "ime/core/traditional_conversion.h"

namespace kellavor::core {
namespace {

constexpr size_t kRecordBytes = 4;

char16_t UnitAt(std::span<const uint8_t> table, size_t offset) {
  return static_cast<char16_t>(table[offset] | (table[offset + 1] << 8));
}

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

char16_t Convert(char16_t unit, std::span<const uint8_t> table) {
  if (IsSurrogate(unit)) return unit;
  size_t low = 0;
  size_t high = table.size() / kRecordBytes;
  while (low < high) {
    const size_t middle = low + (high - low) / 2;
    const char16_t simplified = UnitAt(table, middle * kRecordBytes);
    if (simplified == unit) return UnitAt(table, middle * kRecordBytes + 2);
    if (simplified < unit) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return unit;
}

}  // namespace

std::u16string ToTraditional(std::u16string_view text, std::span<const uint8_t> table) {
  std::u16string converted(text);
  for (char16_t& unit : converted) unit = Convert(unit, table);
  return converted;
}

}  // namespace kellavor::core
