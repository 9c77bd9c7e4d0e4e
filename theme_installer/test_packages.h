// Theme packages made in the tests: stored zip archives built member by member, with the knobs
// the refusal cases turn (method, flags, checksum), and a small valid bitmap.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace kellavor::theme_installer {

struct TestMember {
  std::string name;
  std::vector<uint8_t> bytes;
  uint16_t method = 0;
  uint16_t flags = 0;
  bool badChecksum = false;
};

inline uint32_t TestCrc32(const std::vector<uint8_t>& bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (const uint8_t byte : bytes) {
    c ^= byte;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
  }
  return c ^ 0xFFFFFFFFu;
}

inline std::vector<uint8_t> ZipOf(const std::vector<TestMember>& members) {
  std::vector<uint8_t> file, directory;
  const auto put = [](std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  for (const TestMember& member : members) {
    const uint32_t offset = static_cast<uint32_t>(file.size());
    const uint32_t crc = TestCrc32(member.bytes) ^ (member.badChecksum ? 1u : 0u);
    const auto size = static_cast<uint32_t>(member.bytes.size());
    const auto nameLength = static_cast<uint32_t>(member.name.size());
    put(file, 0x04034b50, 4);
    for (const auto& [value, bytes] : std::vector<std::pair<uint32_t, int>>{
             {20, 2}, {member.flags, 2}, {member.method, 2}, {0, 4}, {crc, 4}, {size, 4}, {size, 4}, {nameLength, 2}, {0, 2}}) {
      put(file, value, bytes);
    }
    file.insert(file.end(), member.name.begin(), member.name.end());
    file.insert(file.end(), member.bytes.begin(), member.bytes.end());
    put(directory, 0x02014b50, 4);
    for (const auto& [value, bytes] : std::vector<std::pair<uint32_t, int>>{
             {20, 2}, {20, 2}, {member.flags, 2}, {member.method, 2}, {0, 4}, {crc, 4}, {size, 4}, {size, 4},
             {nameLength, 2}, {0, 2}, {0, 2}, {0, 2}, {0, 2}, {0, 4}, {offset, 4}}) {
      put(directory, value, bytes);
    }
    directory.insert(directory.end(), member.name.begin(), member.name.end());
  }
  const auto directoryOffset = static_cast<uint32_t>(file.size());
  file.insert(file.end(), directory.begin(), directory.end());
  put(file, 0x06054b50, 4);
  put(file, 0, 4);
  put(file, static_cast<uint32_t>(members.size()), 2);
  put(file, static_cast<uint32_t>(members.size()), 2);
  put(file, static_cast<uint32_t>(directory.size()), 4);
  put(file, directoryOffset, 4);
  put(file, 0, 2);
  return file;
}

// A 24-bit bitmap of width x height pixels, all of one colour; extra bytes pad the pixel data.
inline std::vector<uint8_t> TestBitmap(int width, int height, size_t extra = 0) {
  const size_t rowSize = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t size = 54 + rowSize * static_cast<size_t>(height) + extra;
  std::vector<uint8_t> bytes(size, 0x80);
  const auto put = [&](size_t at, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
  };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put(2, static_cast<uint32_t>(size), 4);
  put(6, 0, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<uint32_t>(width), 4);
  put(22, static_cast<uint32_t>(height), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  put(30, 0, 4);
  put(34, static_cast<uint32_t>(rowSize * static_cast<size_t>(height)), 4);
  return bytes;
}

inline std::vector<uint8_t> TestText(const std::string& text) { return {text.begin(), text.end()}; }

// The folder of the shipped theme packages (KELLAVOR_THEMES, set by CTest); empty when unset.
inline std::string ShippedThemeFolder() {
  const char* folder = std::getenv("KELLAVOR_THEMES");
  return folder == nullptr ? std::string() : std::string(folder);
}

}  // namespace kellavor::theme_installer
