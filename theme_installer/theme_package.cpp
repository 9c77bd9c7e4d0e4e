#include "theme_installer/theme_package.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ime/platform/utf.h"

namespace kellavor::theme_installer {
namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kCentralSignature = 0x02014b50;
constexpr uint32_t kLocalSignature = 0x04034b50;
constexpr size_t kEndSize = 22;
constexpr size_t kCentralSize = 46;
constexpr size_t kLocalSize = 30;
constexpr uint16_t kEncryptedFlag = 0x0001;
constexpr uint16_t kUtf8NameFlag = 0x0800;

uint16_t Load16(std::span<const uint8_t> bytes, size_t at) { return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8); }
uint32_t Load32(std::span<const uint8_t> bytes, size_t at) {
  return static_cast<uint32_t>(Load16(bytes, at)) | static_cast<uint32_t>(Load16(bytes, at + 2)) << 16;
}

constexpr std::array<uint32_t, 256> kCrcTable = [] {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

uint32_t Crc32(std::span<const uint8_t> bytes) {
  uint32_t c = 0xFFFFFFFFu;
  for (const uint8_t byte : bytes) c = kCrcTable[(c ^ byte) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

char16_t LowerAscii(char16_t unit) { return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit + 32) : unit; }

std::u16string Lowered(std::u16string_view text) {
  std::u16string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), LowerAscii);
  return lowered;
}

bool EndsWith(std::u16string_view text, std::u16string_view suffix) {
  return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::optional<size_t> FindEnd(std::span<const uint8_t> file) {
  if (file.size() < kEndSize) return std::nullopt;
  const size_t lowest = file.size() - kEndSize > 0xFFFF ? file.size() - kEndSize - 0xFFFF : 0;
  for (size_t at = file.size() - kEndSize + 1; at-- > lowest;) {
    if (Load32(file, at) == kEndSignature && at + kEndSize + Load16(file, at + 20) == file.size()) return at;
  }
  return std::nullopt;
}

PackageResult Refused(std::string fault) { return {std::nullopt, std::move(fault)}; }

}  // namespace

bool IsPlainFileName(std::u16string_view name) {
  if (name.empty() || name.size() > kMaxNameUnits || name == u"." || name == u"..") return false;
  for (const char16_t unit : name) {
    if (unit < 0x20 || unit == 0x7F || unit == 0xFFFD) return false;
    if (std::u16string_view(u"\\/:*?\"<>|").find(unit) != std::u16string_view::npos) return false;
  }
  // Windows drops trailing dots and blanks, which would let two names meet.
  if (name.back() == u'.' || name.back() == u' ') return false;
  const std::u16string stem = Lowered(name.substr(0, name.find(u'.')));
  for (const std::u16string_view device : {u"con", u"prn", u"aux", u"nul"}) {
    if (stem == device) return false;
  }
  return !((stem.rfind(u"com", 0) == 0 || stem.rfind(u"lpt", 0) == 0) && stem.size() == 4 && stem[3] >= u'0' &&
           stem[3] <= u'9');
}

bool IsBitmapFile(std::span<const uint8_t> bytes) {
  if (bytes.size() < 14 + 40 || bytes[0] != 'B' || bytes[1] != 'M') return false;
  if (Load32(bytes, 2) != bytes.size() || Load32(bytes, 10) >= bytes.size()) return false;
  const uint32_t infoSize = Load32(bytes, 14);
  if (infoSize < 40 || 14 + static_cast<size_t>(infoSize) > bytes.size()) return false;
  const auto width = static_cast<int32_t>(Load32(bytes, 18));
  const auto height = static_cast<int32_t>(Load32(bytes, 22));
  const uint16_t bits = Load16(bytes, 28);
  if (width <= 0 || width > 4096 || height == 0 || height > 4096 || height < -4096) return false;
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

PackageResult ReadThemePackage(std::span<const uint8_t> file) {
  if (file.size() > kMaxPackageBytes) return Refused("the package is larger than a theme can be");
  const std::optional<size_t> end = FindEnd(file);
  if (!end) return Refused("not a zip archive");
  const uint16_t count = Load16(file, *end + 10);
  const uint32_t directorySize = Load32(file, *end + 12);
  const uint32_t directoryOffset = Load32(file, *end + 16);
  if (Load16(file, *end + 4) != 0 || Load16(file, *end + 6) != 0 || Load16(file, *end + 8) != count) {
    return Refused("an archive of several parts");
  }
  if (count > kMaxMembers) return Refused("more members than a theme has");
  if (static_cast<uint64_t>(directoryOffset) + directorySize > *end) return Refused("the directory lies outside the archive");

  ThemePackage package;
  size_t at = directoryOffset;
  size_t total = 0;
  bool hasSettings = false;
  for (uint16_t i = 0; i < count; ++i) {
    if (at + kCentralSize > *end || Load32(file, at) != kCentralSignature) return Refused("a damaged directory");
    const uint16_t flags = Load16(file, at + 8);
    const uint16_t method = Load16(file, at + 10);
    const uint32_t crc = Load32(file, at + 16);
    const uint32_t packedSize = Load32(file, at + 20);
    const uint32_t size = Load32(file, at + 24);
    const uint16_t nameLength = Load16(file, at + 28);
    const size_t entryLength = kCentralSize + nameLength + Load16(file, at + 30) + Load16(file, at + 32);
    const uint32_t localOffset = Load32(file, at + 42);
    if (at + entryLength > *end) return Refused("a damaged directory");
    const std::span<const uint8_t> rawName = file.subspan(at + kCentralSize, nameLength);
    at += entryLength;

    if ((flags & kEncryptedFlag) != 0) return Refused("an encrypted member");
    if (method != 0 || packedSize != size) return Refused("a compressed member (theme packages store their members)");
    const bool utf8 = (flags & kUtf8NameFlag) != 0;
    if (!utf8 && std::any_of(rawName.begin(), rawName.end(), [](uint8_t byte) { return byte >= 0x80; })) {
      return Refused("a member name that is not ASCII or marked UTF-8");
    }
    ThemeMember member;
    member.name = platform::Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(rawName.data()), rawName.size()));
    if (!IsPlainFileName(member.name)) return Refused("a member name that is not a plain file name");
    const std::u16string lowered = Lowered(member.name);
    const bool isSettings = lowered == u"theme.ini";
    if (!isSettings && !EndsWith(lowered, u".bmp")) return Refused("a member that is neither theme.ini nor a bitmap");
    for (const ThemeMember& earlier : package.members) {
      if (Lowered(earlier.name) == lowered) return Refused("a member name given twice");
    }
    if (size > (isSettings ? kMaxSettingsBytes : kMaxMemberBytes)) return Refused("an oversized member");
    total += size;
    if (total > kMaxPackageBytes) return Refused("the members together are larger than a theme can be");

    if (static_cast<uint64_t>(localOffset) + kLocalSize > directoryOffset || Load32(file, localOffset) != kLocalSignature) {
      return Refused("a member without its local header");
    }
    const uint16_t localNameLength = Load16(file, localOffset + 26);
    const uint64_t dataOffset = static_cast<uint64_t>(localOffset) + kLocalSize + localNameLength + Load16(file, localOffset + 28);
    if (dataOffset + size > directoryOffset) return Refused("a member that runs past its place");
    if (localNameLength != nameLength ||
        std::memcmp(file.data() + localOffset + kLocalSize, rawName.data(), nameLength) != 0) {
      return Refused("a local header that names another member");
    }
    const std::span<const uint8_t> data = file.subspan(static_cast<size_t>(dataOffset), size);
    if (Crc32(data) != crc) return Refused("a member whose checksum does not agree");
    if (!isSettings && !IsBitmapFile(data)) return Refused("a .bmp member that is not a bitmap");
    member.bytes.assign(data.begin(), data.end());
    hasSettings = hasSettings || isSettings;
    package.members.push_back(std::move(member));
  }
  if (!hasSettings) return Refused("no theme.ini");
  return {std::move(package), {}};
}

}  // namespace kellavor::theme_installer
