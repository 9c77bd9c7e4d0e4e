#include "ime/lexicon/user_block.h"

#include <algorithm>

namespace kellavor::lexicon {

using namespace user_block;

std::u16string_view UserRecord::TextAt(size_t offset) const {
  // Units up to the first zero unit inside the record; a text without one inside is cut at the end.
  std::u16string_view text;
  if (offset + 2 > length_) return text;
  const auto* units = reinterpret_cast<const char16_t*>(bytes_ + offset);
  const size_t available = (length_ - offset) / 2;
  size_t n = 0;
  while (n < available && units[n] != 0) ++n;
  return {units, n};
}

std::u16string_view UserRecord::text() const { return isSingleChar() ? std::u16string_view() : TextAt(kRecordHeaderSize); }

uint16_t UserRecord::syllableCount() const {
  const size_t field = kRecordHeaderSize + 2 * (text().size() + 1);
  if (!isPhrase() || field + 2 > length_) return 0;
  const uint16_t count = LoadU16(bytes_ + field);
  return static_cast<uint16_t>(std::min<size_t>(count, (length_ - field - 2) / 2));
}

uint16_t UserRecord::syllableAt(uint32_t i) const {
  const size_t field = kRecordHeaderSize + 2 * (text().size() + 1);
  return LoadU16(bytes_ + field + 2 + 2 * static_cast<size_t>(i));
}

std::u16string_view UserRecord::hint() const {
  if (!isGermanWord()) return {};
  return TextAt(kRecordHeaderSize + 2 * (text().size() + 1));
}

std::u16string_view UserRecord::key() const {
  if (!isGermanWord()) return {};
  return TextAt(kRecordHeaderSize + 2 * (text().size() + 1) + 2 * (hint().size() + 1));
}

const uint8_t* UserBlockView::Dictionary() const { return block_ + LoadU32(block_ + kDictionaryOffsetField); }

bool UserBlockView::DictionaryHolds(uint64_t offset, uint64_t length) const {
  const uint64_t start = LoadU32(block_ + kDictionaryOffsetField) + offset;
  return start + length <= size_;
}

uint32_t UserBlockView::RecordCount() const {
  if (block_ == nullptr || size_ < kBlockHeaderSize || !DictionaryHolds(0, kHeaderSize)) return 0;
  uint64_t count = DictionaryField(kCountField);
  count = std::min<uint64_t>(count, DictionaryField(kIndex1SizeField) / 4);
  count = std::min<uint64_t>(count, DictionaryField(kIndex2SizeField) / 4);
  const auto fits = [&](uint64_t offset) { return DictionaryHolds(offset, 4 * count); };
  if (!fits(DictionaryField(kIndex1OffsetField)) || !fits(DictionaryField(kIndex2OffsetField)) ||
      !fits(LoadU32(block_ + kOffsetTableField))) {
    return 0;
  }
  return static_cast<uint32_t>(count);
}

uint32_t UserBlockView::IndexEntry(size_t offsetField, uint32_t k) const {
  return LoadU32(Dictionary() + DictionaryField(offsetField) + 4 * static_cast<size_t>(k));
}

UserRecord UserBlockView::RecordAt(uint32_t number) const {
  if (number >= RecordCount()) return {};
  // 64-bit sums throughout: in a 32-bit process an offset near 4 GiB must not wrap back into the area.
  const uint64_t offset = LoadU32(Dictionary() + LoadU32(block_ + kOffsetTableField) + 4 * static_cast<size_t>(number));
  const uint64_t areaStart = DictionaryField(kRecordAreaOffsetField);
  const uint64_t areaEnd = areaStart + DictionaryField(kRecordAreaSizeField);
  if (offset < areaStart || offset % 2 != 0 || offset + kRecordHeaderSize > areaEnd || !DictionaryHolds(areaStart, areaEnd - areaStart)) {
    return {};
  }
  const uint16_t length = LoadU16(Dictionary() + offset);
  if (length < kRecordHeaderSize || offset + length > areaEnd) return {};
  UserRecord record(Dictionary() + offset, length);
  if (record.isSingleChar() && length < kSingleCharRecordSize) return {};
  return record;
}

}  // namespace kellavor::lexicon
