#include "ime/settings/settings_store.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <variant>

#include "ime/settings/ini_file.h"

namespace kellavor::settings {
namespace {

// How much of the integer read from the file a field keeps.
enum class Width { kLow8, kLow16, kFull };

struct NumberKey {
  const char16_t* key;
  const char16_t* section;
  Width width;
  int32_t defaultValue;
  std::variant<uint32_t ImeSettings::*, uint16_t ImeSettings::*> field;
};

struct FontKey {
  const char16_t* key;
  FontSpec ImeSettings::*field;
  uint16_t size;
  const char16_t* face;
  uint16_t weight;
};

struct PositionKey {
  const char16_t* key;
  std::array<int32_t, 2> ImeSettings::*field;
};

using S = ImeSettings;

const NumberKey kNumberKeys[] = {
    {u"uselast", u"GENERAL", Width::kLow8, 1, &S::uselast},
    {u"debugmode", u"APPSTATUS", Width::kLow8, 0, &S::debugmode},
    {u"usefuzzy", u"FUZZY", Width::kLow8, 0, &S::usefuzzy},
    {u"defaultinputmode", u"GENERAL", Width::kLow8, 0, &S::defaultinputmode},
    {u"usetheme", u"UI", Width::kLow8, 0, &S::usetheme},
    {u"iscomb", u"UI", Width::kLow8, 1, &S::iscomb},
    {u"candtrend", u"UI", Width::kLow8, 0, &S::candtrend},
    {u"showmode", u"UI", Width::kLow8, 0, &S::showmode},
    {u"showstatus", u"UI", Width::kLow8, 1, &S::showstatus},
    {u"customcolor", u"UI", Width::kLow8, 0, &S::customcolor},
    {u"bushoucolor", u"UI", Width::kFull, 0, &S::bushoucolor},
    {u"candcolor", u"UI", Width::kFull, 0, &S::candcolor},
    {u"candhintcolor", u"UI", Width::kFull, 0x646464, &S::candhintcolor},
    {u"candselcolor", u"UI", Width::kFull, 0xFF0000, &S::candselcolor},
    {u"compcolor", u"UI", Width::kFull, 0xFF0000, &S::compcolor},
    {u"comphintcolor", u"UI", Width::kFull, 0x646464, &S::comphintcolor},
    {u"encnswitchkey", u"HOTKEY", Width::kLow16, 16, &S::encnswitchkey},
    {u"imswitchkey", u"HOTKEY", Width::kLow16, 65, &S::imswitchkey},
    {u"menuhotkty", u"HOTKEY", Width::kLow16, 77, &S::menuhotkty},
    {u"softkbdhotkty", u"HOTKEY", Width::kLow16, 75, &S::softkbdhotkty},
    {u"sthotkty", u"HOTKEY", Width::kLow16, 76, &S::sthotkty},
    {u"imswitchkeyenable", u"HOTKEY", Width::kLow16, 1, &S::imswitchkeyenable},
    {u"menuhotktyenable", u"HOTKEY", Width::kLow16, 1, &S::menuhotktyenable},
    {u"softkbdhotktyenable", u"HOTKEY", Width::kLow16, 1, &S::softkbdhotktyenable},
    {u"sthotktyenable", u"HOTKEY", Width::kLow16, 1, &S::sthotktyenable},
    {u"pageturnbytab", u"HOTKEY", Width::kLow16, 1, &S::pageturnbytab},
    {u"pageturnbyplus", u"HOTKEY", Width::kLow16, 1, &S::pageturnbyplus},
    {u"cursorfollow", u"GENERAL", Width::kLow8, 1, &S::cursorfollow},
    {u"keyhint", u"GENERAL", Width::kLow8, 1, &S::keyhint},
    {u"wordonly", u"GENERAL", Width::kLow8, 0, &S::wordonly},
    {u"usecustom", u"ADVANCED", Width::kLow8, 1, &S::usecustom},
    {u"sentence_en", u"GENERAL", Width::kLow8, 0, &S::sentence_en},
    {u"en_usespace", u"HOTKEY", Width::kLow16, 1, &S::en_usespace},
    {u"en_appendspace", u"HOTKEY", Width::kLow16, 1, &S::en_appendspace},
    {u"remembrance", u"GENERAL", Width::kLow8, 1, &S::remembrance},
    {u"usefrequency", u"GENERAL", Width::kLow8, 1, &S::usefrequency},
    {u"smartsentence", u"GENERAL", Width::kLow8, 1, &S::smartsentence},
    {u"associate", u"GENERAL", Width::kLow8, 1, &S::associate},
    {u"characterset", u"GENERAL", Width::kLow8, 2, &S::characterset},
    {u"numofpage", u"UI", Width::kLow16, 5, &S::numofpage},
    {u"bsnumofpage", u"UI", Width::kLow16, 5, &S::bsnumofpage},
    {u"inputmode", u"APPSTATUS", Width::kLow8, 0, &S::inputmode},
    {u"previnputmode", u"APPSTATUS", Width::kLow8, 0, &S::previnputmode},
    {u"big5mode", u"POPUPMENU", Width::kLow8, 0, &S::big5mode},
    {u"numpadfunckind", u"POPUPMENU", Width::kLow8, 1, &S::numpadfunckind},
    {u"softkbdid", u"POPUPMENU", Width::kLow16, 13, &S::softkbdid},
    {u"Detail_ShowDelay", u"Nerovask", Width::kLow16, 1000, &S::Detail_ShowDelay},
    {u"Detail_Show", u"Nerovask", Width::kLow16, 1, &S::Detail_Show},
};

const FontKey kFontKeys[] = {
    {u"compfont", &S::compfont, 10, u"Courier New", 700},
    {u"candfont", &S::candfont, 10, u"\u5b8b\u4f53", 400},
    {u"candfonten", &S::candfonten, 10, u"Courier New", 400},
};

const PositionKey kPositionKeys[] = {
    {u"ptstatusbar", &S::ptstatusbar},
    {u"ptcompbar", &S::ptcompbar},
};

uint32_t Cut(int32_t value, Width width) {
  const auto bits = static_cast<uint32_t>(value);
  switch (width) {
    case Width::kLow8: return bits & 0xFF;
    case Width::kLow16: return bits & 0xFFFF;
    case Width::kFull: return bits;
  }
  return bits;
}

}  // namespace

std::u16string SiteHostOrDefault(const std::u16string& value) {
  constexpr size_t kLongestHost = 253;
  const bool plain = !value.empty() && value.size() <= kLongestHost &&
                     std::all_of(value.begin(), value.end(), [](char16_t c) {
                       return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
                              c == u'.' || c == u'-' || c == u':';
                     });
  return plain ? value : std::u16string(kDefaultSiteHost);
}

void LoadSettings(ImeSettings& settings, const std::u16string& path) {
  settings = ImeSettings{};
  for (const FontKey& font : kFontKeys) settings.*font.field = FontSpec{font.face, font.size, font.weight};
  IniFile ini;
  ini.Load(path);
  for (const NumberKey& entry : kNumberKeys) {
    const uint32_t value = Cut(ini.ReadInt(entry.section, entry.key, entry.defaultValue), entry.width);
    std::visit([&](auto field) { settings.*field = static_cast<std::remove_reference_t<decltype(settings.*field)>>(value); },
               entry.field);
  }
  for (const FontKey& font : kFontKeys) ini.ReadFont(u"UI", font.key, settings.*font.field);
  for (const PositionKey& position : kPositionKeys) ini.ReadPair(u"APPSTATUS", position.key, settings.*position.field, -1, -1);
  settings.dicthost = SiteHostOrDefault(ini.ReadString(u"SITES", u"dicthost").value_or(u""));
  settings.producthost = SiteHostOrDefault(ini.ReadString(u"SITES", u"producthost").value_or(u""));
  if (settings.uselast == 0) settings.inputmode = settings.defaultinputmode;
  ini.Close();
}

void SaveSettings(const ImeSettings& settings, const std::u16string& path) {
  IniFile ini;
  ini.Open(path);
  ini.WriteInt(u"POPUPMENU", u"numpadfunckind", static_cast<int32_t>(settings.numpadfunckind & 0xFF));
  ini.WriteInt(u"POPUPMENU", u"big5mode", static_cast<int32_t>(settings.big5mode & 0xFF));
  ini.WriteInt(u"POPUPMENU", u"softkbdid", settings.softkbdid);
  ini.WriteInt(u"APPSTATUS", u"previnputmode", static_cast<int32_t>(settings.previnputmode & 0xFF));
  ini.WriteInt(u"APPSTATUS", u"inputmode", static_cast<int32_t>(settings.inputmode & 0xFF));
  ini.WritePair(u"APPSTATUS", u"ptstatusbar", settings.ptstatusbar);
  ini.WritePair(u"APPSTATUS", u"ptcompbar", settings.ptcompbar);
  ini.Close();
}

}  // namespace kellavor::settings
