// Any bytes as an INI file. The private-profile document parses them in memory: every lookup, the
// same from the list of every key read in one pass (as a snapshot of a file answers), and
// a write that must read back as written while another key keeps its value and every byte outside
// the written line stays. Then the typed readers of IniFile take the values through the file.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "fuzz/fuzz_folder.h"
#include "ime/platform/profile_document.h"
#include "ime/settings/ime_settings.h"
#include "ime/settings/ini_file.h"

namespace {

using kellavor::platform::ProfileDocument;
using kellavor::settings::IniFile;

constexpr const char16_t* kSections[] = {u"GENERAL", u"UI", u"Fuzzy", u"Display", u"a"};
constexpr const char16_t* kKeys[] = {u"1", u"uselast", u"COMP_FONT", u"a"};

// The entry of the list for section/key, as Find answers it: none when the list lacks the pair.
std::optional<std::u16string> Listed(const std::vector<ProfileDocument::Entry>& entries, std::u16string_view section,
                                     std::u16string_view key) {
  const std::u16string sectionKey = ProfileDocument::NameKey(section);
  const std::u16string keyKey = ProfileDocument::NameKey(key);
  for (const ProfileDocument::Entry& entry : entries) {
    if (entry.section == sectionKey && entry.key == keyKey) return entry.value;
  }
  return std::nullopt;
}

void CheckDocument(std::string_view bytes) {
  ProfileDocument document = ProfileDocument::FromBytes(bytes);
  const std::vector<ProfileDocument::Entry> entries = document.Entries();
  for (size_t i = 1; i < entries.size(); ++i) {
    if (std::tie(entries[i - 1].section, entries[i - 1].key) >= std::tie(entries[i].section, entries[i].key)) {
      std::abort();
    }
  }
  // Each Find walks the text: 32 entries spread over the list, so that a long file costs no more
  // than a short one a few times over.
  constexpr size_t kLookedUp = 32;
  for (size_t n = 0; n < std::min(entries.size(), kLookedUp); ++n) {
    const ProfileDocument::Entry& entry = entries[n * entries.size() / std::min(entries.size(), kLookedUp)];
    if (document.Find(entry.section, entry.key) != entry.value) std::abort();
  }
  for (const char16_t* section : kSections) {
    for (const char16_t* key : kKeys) {
      if (document.Find(section, key) != Listed(entries, section, key)) std::abort();
    }
  }
  const std::optional<std::u16string> other = document.Find(u"UI", u"a");
  document.Set(u"GENERAL", u"uselast", u"42");
  const ProfileDocument again = ProfileDocument::FromBytes(document.ToBytes());
  if (again.Find(u"GENERAL", u"uselast") != u"42") std::abort();
  if (again.Find(u"UI", u"a") != other) std::abort();
}

void ReadTyped(const IniFile& ini, const char16_t* section, const char16_t* key) {
  ini.ReadString(section, key);
  ini.ReadInt(section, key, 7);
  std::array<int32_t, 2> pair{};
  ini.ReadPair(section, key, pair, 1, 2);
  std::array<int32_t, 4> rect{};
  ini.ReadRect(section, key, rect, {1, 2, 3, 4});
  ini.ReadColor(section, key, 0x123456);
  kellavor::settings::FontSpec font;
  ini.ReadFont(section, key, font);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor::fuzz;
  CheckDocument(std::string_view(reinterpret_cast<const char*>(data), size));
  WriteScratchFile(u"fuzz.ini", data, size);
  IniFile ini;
  ini.Open(ScratchPath(u"fuzz.ini"));
  ReadTyped(ini, u"a", u"a");
  ReadTyped(ini, u"Display", u"COMP_FONT");
  return 0;
}
