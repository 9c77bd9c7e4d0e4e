#include "ime/lexicon/check_record.h"

#include <algorithm>
#include <cstring>

#include "ime/lexicon/dictionary_format.h"

namespace kellavor::lexicon {
namespace {

constexpr uint32_t kMagic = 0x314B434B;  // "KCK1"
constexpr size_t kHeaderBytes = 256;
constexpr size_t kEntryBytes = 4 + 4 * 8 + 4;
// One entry per dictionary; a count beyond this is a damaged record.
constexpr uint32_t kMaxEntries = 16;
constexpr size_t kMaxRecordBytes = 8 + kMaxEntries * kEntryBytes + 4;

uint32_t Fnv1a(std::span<const uint8_t> bytes) {
  uint32_t hash = 2166136261u;
  for (const uint8_t byte : bytes) hash = (hash ^ byte) * 16777619u;
  return hash;
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void Put64(std::vector<uint8_t>& out, uint64_t value) {
  Put32(out, static_cast<uint32_t>(value));
  Put32(out, static_cast<uint32_t>(value >> 32));
}

uint64_t Load64(const uint8_t* bytes) { return LoadU32(bytes) | static_cast<uint64_t>(LoadU32(bytes + 4)) << 32; }

std::vector<CheckedFile> ReadRecord(const std::u16string& path) {
  const std::optional<std::vector<uint8_t>> bytes = platform::ReadWholeFile(path, kMaxRecordBytes);
  if (!bytes) return {};
  return DecodeCheckRecord(*bytes);
}

}  // namespace

uint32_t HeaderHash(std::span<const uint8_t> view) { return Fnv1a(view.first(std::min(view.size(), kHeaderBytes))); }

std::vector<uint8_t> EncodeCheckRecord(std::span<const CheckedFile> files) {
  std::vector<uint8_t> out;
  Put32(out, kMagic);
  Put32(out, static_cast<uint32_t>(files.size()));
  for (const CheckedFile& file : files) {
    Put32(out, file.dictionary);
    Put64(out, file.stamp.size);
    Put64(out, file.stamp.writeTime);
    Put64(out, file.stamp.volume);
    Put64(out, file.stamp.identity);
    Put32(out, file.headerHash);
  }
  Put32(out, Fnv1a(out));
  return out;
}

std::vector<CheckedFile> DecodeCheckRecord(std::span<const uint8_t> bytes) {
  if (bytes.size() < 12 || LoadU32(bytes.data()) != kMagic) return {};
  const uint32_t count = LoadU32(bytes.data() + 4);
  if (count > kMaxEntries || bytes.size() != 8 + count * kEntryBytes + 4) return {};
  if (LoadU32(bytes.data() + bytes.size() - 4) != Fnv1a(bytes.first(bytes.size() - 4))) return {};
  std::vector<CheckedFile> files(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint8_t* entry = bytes.data() + 8 + i * kEntryBytes;
    files[i] = {LoadU32(entry), {Load64(entry + 4), Load64(entry + 12), Load64(entry + 20), Load64(entry + 28)},
                LoadU32(entry + 36)};
  }
  return files;
}

bool RecordVouchesFor(const std::u16string& path, const CheckedFile& file) {
  if (path.empty()) return false;
  const std::vector<CheckedFile> files = ReadRecord(path);
  return std::find(files.begin(), files.end(), file) != files.end();
}

void AddToCheckRecord(const std::u16string& path, const CheckedFile& file) {
  if (path.empty()) return;
  std::vector<CheckedFile> files = ReadRecord(path);
  std::erase_if(files, [&](const CheckedFile& kept) { return kept.dictionary == file.dictionary; });
  files.push_back(file);
  const std::vector<uint8_t> bytes = EncodeCheckRecord(files);
  const std::u16string written = path + u".new";
  if (platform::WriteWholeFile(written, bytes.data(), bytes.size()) && platform::ReplaceFileWith(written, path)) return;
  platform::RemoveFile(written);
}

}  // namespace kellavor::lexicon
