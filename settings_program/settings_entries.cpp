#include "settings_program/settings_entries.h"

#include <algorithm>

namespace kellavor::settings_program {
namespace {

std::u16string Number(int64_t value) {
  const std::string digits = std::to_string(value);
  return {digits.begin(), digits.end()};
}

std::u16string_view Trimmed(std::u16string_view text) {
  while (!text.empty() && (text.front() == u' ' || text.front() == u'\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == u' ' || text.back() == u'\t')) text.remove_suffix(1);
  return text;
}

// The parts of text between commas, each trimmed.
std::vector<std::u16string_view> Parts(std::u16string_view text) {
  std::vector<std::u16string_view> parts;
  for (;;) {
    const size_t comma = text.find(u',');
    parts.push_back(Trimmed(text.substr(0, comma)));
    if (comma == std::u16string_view::npos) return parts;
    text.remove_prefix(comma + 1);
  }
}

std::optional<int> Decimal(std::u16string_view text, int low, int high) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  for (const char16_t unit : text) {
    if (unit < u'0' || unit > u'9') return std::nullopt;
    value = value * 10 + (unit - u'0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

std::vector<IniEntry> EditedEntries(const settings::ImeSettings& s) {
  return {
      {u"GENERAL", u"uselast", Number(s.uselast)},
      {u"GENERAL", u"defaultinputmode", Number(s.defaultinputmode)},
      {u"GENERAL", u"sentence_en", Number(s.sentence_en)},
      {u"UI", u"numofpage", Number(s.numofpage)},
      {u"UI", u"showmode", Number(s.showmode)},
      {u"UI", u"iscomb", Number(s.iscomb)},
      {u"UI", u"candtrend", Number(s.candtrend)},
      {u"UI", u"customcolor", Number(s.customcolor)},
      {u"UI", u"candcolor", Number(s.candcolor)},
      {u"UI", u"candhintcolor", Number(s.candhintcolor)},
      {u"UI", u"candselcolor", Number(s.candselcolor)},
      {u"UI", u"compcolor", Number(s.compcolor)},
      {u"UI", u"comphintcolor", Number(s.comphintcolor)},
      {u"UI", u"compfont", FormatFont(s.compfont)},
      {u"UI", u"candfont", FormatFont(s.candfont)},
      {u"UI", u"candfonten", FormatFont(s.candfonten)},
      {u"HOTKEY", u"encnswitchkey", Number(s.encnswitchkey)},
      {u"HOTKEY", u"imswitchkey", Number(s.imswitchkey)},
      {u"HOTKEY", u"menuhotkty", Number(s.menuhotkty)},
      {u"HOTKEY", u"softkbdhotkty", Number(s.softkbdhotkty)},
      {u"HOTKEY", u"sthotkty", Number(s.sthotkty)},
      {u"HOTKEY", u"imswitchkeyenable", Number(s.imswitchkeyenable)},
      {u"HOTKEY", u"menuhotktyenable", Number(s.menuhotktyenable)},
      {u"HOTKEY", u"softkbdhotktyenable", Number(s.softkbdhotktyenable)},
      {u"HOTKEY", u"sthotktyenable", Number(s.sthotktyenable)},
      {u"HOTKEY", u"pageturnbytab", Number(s.pageturnbytab)},
      {u"HOTKEY", u"pageturnbyplus", Number(s.pageturnbyplus)},
      {u"HOTKEY", u"en_usespace", Number(s.en_usespace)},
      {u"FUZZY", u"usefuzzy", Number(s.usefuzzy)},
      {u"ADVANCED", u"usecustom", Number(s.usecustom)},
      {u"Nerovask", u"Detail_Show", Number(s.Detail_Show)},
      {u"Nerovask", u"Detail_ShowDelay", Number(s.Detail_ShowDelay)},
  };
}

std::vector<IniEntry> ChangedEntries(const settings::ImeSettings& before, const settings::ImeSettings& after) {
  const std::vector<IniEntry> old = EditedEntries(before);
  std::vector<IniEntry> changed;
  for (const IniEntry& entry : EditedEntries(after)) {
    if (std::find(old.begin(), old.end(), entry) == old.end()) changed.push_back(entry);
  }
  return changed;
}

std::u16string FormatColor(uint32_t color) {
  return Number(color & 0xFF) + u"," + Number(color >> 8 & 0xFF) + u"," + Number(color >> 16 & 0xFF);
}

std::optional<uint32_t> ParseColor(std::u16string_view text) {
  const std::vector<std::u16string_view> parts = Parts(text);
  if (parts.size() != 3) return std::nullopt;
  uint32_t color = 0;
  for (size_t i = 0; i < 3; ++i) {
    const std::optional<int> channel = Decimal(parts[i], 0, 255);
    if (!channel) return std::nullopt;
    color |= static_cast<uint32_t>(*channel) << (8 * i);
  }
  return color;
}

std::u16string FormatFont(const settings::FontSpec& font) {
  return Number(font.size) + u"," + font.face + u"," + Number(font.weight);
}

std::optional<settings::FontSpec> ParseFont(std::u16string_view text) {
  const std::vector<std::u16string_view> parts = Parts(text);
  if (parts.size() != 3) return std::nullopt;
  const std::optional<int> size = Decimal(parts[0], 6, 72);
  const std::optional<int> weight = Decimal(parts[2], 100, 900);
  const std::u16string_view face = parts[1];
  if (!size || !weight || face.empty() || face.size() > 31) return std::nullopt;
  if (face.find_first_of(u";\t\r\n") != std::u16string_view::npos) return std::nullopt;
  return settings::FontSpec{std::u16string(face), static_cast<uint16_t>(*size), static_cast<uint16_t>(*weight)};
}

std::u16string FormatHotKey(uint32_t virtualKey) {
  if ((virtualKey >= u'A' && virtualKey <= u'Z') || (virtualKey >= u'0' && virtualKey <= u'9')) {
    return std::u16string(1, static_cast<char16_t>(virtualKey));
  }
  return {};
}

std::optional<uint32_t> ParseHotKey(std::u16string_view text) {
  text = Trimmed(text);
  if (text.size() != 1) return std::nullopt;
  char16_t unit = text[0];
  if (unit >= u'a' && unit <= u'z') unit = static_cast<char16_t>(unit - u'a' + u'A');
  if ((unit >= u'A' && unit <= u'Z') || (unit >= u'0' && unit <= u'9')) return unit;
  return std::nullopt;
}

}  // namespace kellavor::settings_program
