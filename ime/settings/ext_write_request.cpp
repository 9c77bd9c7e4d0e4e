#include "ime/settings/ext_write_request.h"

#include <algorithm>

#include "ime/platform/copy_data.h"

namespace kellavor::settings {
namespace {

void AppendUnit(std::vector<uint8_t>& bytes, uint16_t unit) {
  bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
  bytes.push_back(static_cast<uint8_t>(unit >> 8));
}

void AppendText(std::vector<uint8_t>& bytes, std::u16string_view text) {
  for (const char16_t unit : text) AppendUnit(bytes, unit);
  AppendUnit(bytes, 0);
}

}  // namespace

std::vector<uint8_t> BuildLearnCandidateRequest(std::span<const uint8_t, kCandidateBytes> candidate,
                                                std::span<const uint8_t> record) {
  std::vector<uint8_t> bytes(candidate.size() + record.size());
  std::copy(candidate.begin(), candidate.end(), bytes.begin());
  std::copy(record.begin(), record.end(), bytes.begin() + static_cast<ptrdiff_t>(candidate.size()));
  return bytes;
}

std::vector<uint8_t> BuildLearnWordRequest(std::u16string_view word) {
  std::vector<uint8_t> bytes;
  AppendText(bytes, word);
  return bytes;
}

std::vector<uint8_t> BuildLearnPhraseRequest(std::u16string_view text, std::span<const uint16_t> syllables) {
  // The count is 16 bits wide; a longer array is cut to what it can describe.
  syllables = syllables.first(std::min<size_t>(syllables.size(), 0xFFFF));
  std::vector<uint8_t> bytes;
  AppendText(bytes, text);
  AppendUnit(bytes, static_cast<uint16_t>(syllables.size()));
  for (const uint16_t syllable : syllables) AppendUnit(bytes, syllable);
  return bytes;
}

std::vector<uint8_t> BuildWriteSettingRequest(std::u16string_view section, std::u16string_view key,
                                              std::u16string_view value, std::u16string_view path) {
  std::vector<uint8_t> bytes;
  for (const std::u16string_view text : {section, key, value, path}) AppendText(bytes, text);
  return bytes;
}

void SendExtWrite(ExtWriteKind kind, const void* data, size_t size) {
  platform::SendCopyData(u"Tessal_ExtWriteCl", u"Tessal_ExtWriteWi", static_cast<uintptr_t>(kind), data, size);
}

}  // namespace kellavor::settings
