// Any bytes as an INI file: every typed reader of IniFile on the sections and keys the module
// uses, and a write that must read back as written while every other key keeps its value.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_folder.h"
#include "ime/settings/ime_settings.h"
#include "ime/settings/ini_file.h"

namespace {

using kellavor::settings::IniFile;

constexpr const char16_t* kSections[] = {u"GENERAL", u"UI", u"Fuzzy", u"Display", u"hCompBar", u"a"};
constexpr const char16_t* kKeys[] = {u"1", u"uselast", u"numofpage", u"COMP_FONT", u"CAND_COLOR", u"a"};

void ReadEverything(const IniFile& ini) {
  for (const char16_t* section : kSections) {
    for (const char16_t* key : kKeys) {
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
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kellavor::fuzz;
  WriteScratchFile(u"fuzz.ini", data, size);
  IniFile ini;
  ini.Open(ScratchPath(u"fuzz.ini"));
  ReadEverything(ini);

  const std::optional<std::u16string> before = ini.ReadString(u"UI", u"numofpage");
  if (ini.WriteInt(u"GENERAL", u"uselast", 42) == kellavor::settings::kIniWritten) {
    if (ini.ReadInt(u"GENERAL", u"uselast", 0) != 42) std::abort();
    if (ini.ReadString(u"UI", u"numofpage") != before) std::abort();
  }
  ReadEverything(ini);
  return 0;
}
