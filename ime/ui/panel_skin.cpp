#include "ime/ui/panel_skin.h"

#include <algorithm>
#include <array>

namespace kellavor::ui {
namespace {

constexpr size_t kMaxImagePath = 255;
constexpr uint32_t kBuiltInKeyColor = Rgb(0, 255, 0);
constexpr uint32_t kBuiltInShadowColor = Rgb(255, 255, 255);
constexpr std::array<int32_t, 4> kDefaultMargins{1, 1, 1, 1};

Margins ReadMargins(const settings::IniFile& ini, const std::u16string& section, const std::u16string& key) {
  std::array<int32_t, 4> values{};
  ini.ReadRect(section, key, values, kDefaultMargins);
  return {values[0], values[1], values[2], values[3]};
}

// The bar keys every section has; nothing when the section names no usable bitmap.
std::optional<BarSkin> ReadBar(const settings::IniFile& ini, const std::u16string& section,
                               std::u16string_view themeFolder) {
  const std::optional<std::u16string> image = ini.ReadString(section, u"IMAGE_BAR");
  if (!image.has_value()) return std::nullopt;
  BarSkin bar;
  bar.imageFile = std::u16string(themeFolder) + *image;
  if (bar.imageFile.size() > kMaxImagePath) return std::nullopt;
  bar.transparent = (ini.ReadInt(section, u"TRAN_ENABLE", 0) & 0xFF) != 0;
  bar.keyColor = ini.ReadColor(section, u"TRAN_COLOR", 0);
  bar.zoom = ReadMargins(ini, section, u"ZOOM_OFFSET");
  return bar;
}

void ReadCompositionKeys(const settings::IniFile& ini, const std::u16string& section, PanelSkin& skin) {
  skin.compositionMargins = ReadMargins(ini, section, u"COMP_OFFSET");
  skin.compositionBottomAligned = (ini.ReadInt(section, u"COMP_ALIGNS_KIND", 0) & 0xFFFF) != 0;
}

void ReadCandidateKeys(const settings::IniFile& ini, const std::u16string& section, PanelSkin& skin) {
  skin.candidateMargins = ReadMargins(ini, section, u"CAND_OFFSET");
  skin.candidateBottomAligned = (ini.ReadInt(section, u"CAND_ALIGNS_KIND", 0) & 0xFFFF) != 0;
  skin.rowCount = static_cast<uint32_t>(ini.ReadInt(section, u"CAND_ROWCOUNT", 1) & 0xFF);
}

void ReadDisplay(const settings::IniFile& ini, PanelSkin& skin) {
  const std::u16string display = u"Display";
  skin.fontsFromSettings = (ini.ReadInt(display, u"FONT_CHANGE", 1) & 0xFFFF) != 0;
  ini.ReadFont(display, u"COMP_FONT", skin.compositionFont);
  ini.ReadFont(display, u"CAND_FONT", skin.candidateFont);
  skin.candidateColor = ini.ReadColor(display, u"CAND_COLOR", 0);
  skin.selectionColor = ini.ReadColor(display, u"CANDSEL_COLOR", 0);
  skin.candidateHintColor = ini.ReadColor(display, u"CANDHINT_COLOR", 0);
  skin.compositionColor = ini.ReadColor(display, u"COMP_COLOR", 0);
  skin.compositionHintColor = ini.ReadColor(display, u"COMPHINT_COLOR", 0);
  skin.candidateShadow = ini.ReadColor(display, u"CAND_SHADOW", 0) != 0;
  skin.candidateHintShadow = ini.ReadColor(display, u"CANDHINT_SHADOW", 0) != 0;
  skin.compositionShadow = ini.ReadColor(display, u"COMP_SHADOW", 0) != 0;
  skin.compositionHintShadow = ini.ReadColor(display, u"COMPHINT_SHADOW", 0) != 0;
  skin.candidateShadowColor = ini.ReadColor(display, u"CAND_SHADOW_COLOR", 0);
  skin.selectionShadowColor = ini.ReadColor(display, u"CANDSEL_SHADOW_COLOR", 0);
  skin.candidateHintShadowColor = ini.ReadColor(display, u"CANDHINT_SHADOW_COLOR", 0);
  skin.compositionShadowColor = ini.ReadColor(display, u"COMP_SHADOW_COLOR", 0);
  skin.compositionHintShadowColor = ini.ReadColor(display, u"COMPHINT_SHADOW_COLOR", 0);
}

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

}  // namespace

PanelSkin BuiltInPanelSkin(bool combined, bool vertical) {
  PanelSkin skin;
  skin.composition = {u"", combined ? kCombinedBarBitmap : kCompositionBarBitmap,
                      combined ? Margins{5, 37, 75, 3} : Margins{5, 5, 5, 5}, false, kBuiltInKeyColor};
  if (!combined) skin.candidate = {u"", kCandidateBarBitmap, {5, 5, 5, 5}, false, kBuiltInKeyColor};
  skin.compositionMargins = {3, 3, 55, 5};
  skin.candidateMargins = combined ? Margins{3, 3, 20, 5} : vertical ? Margins{5, 8, 20, 5} : Margins{5, 12, 20, 5};
  skin.compositionBottomAligned = false;
  skin.candidateBottomAligned = true;
  skin.rowCount = 1;
  skin.fontsFromSettings = true;
  skin.compositionFont = {u"Arial", 10, 700};
  skin.candidateFont = {u"宋体", 10, 400};
  skin.candidateColor = Rgb(0, 0, 0);
  skin.candidateHintColor = Rgb(100, 100, 100);
  skin.selectionColor = Rgb(0, 0, 255);
  skin.compositionColor = Rgb(0, 67, 118);
  skin.compositionHintColor = Rgb(100, 100, 100);
  skin.candidateShadowColor = skin.selectionShadowColor = skin.candidateHintShadowColor =
      skin.compositionShadowColor = skin.compositionHintShadowColor = kBuiltInShadowColor;
  skin.panelButtons = combined;
  return skin;
}

PanelSections PanelSectionsFor(bool combined, bool vertical) {
  const std::u16string orientation = vertical ? u"v" : u"h";
  if (combined) return {orientation + u"CombBar", std::nullopt};
  return {orientation + u"CompBar", orientation + u"CandBar"};
}

std::optional<PanelSkin> ReadThemePanelSkin(const settings::IniFile& theme, std::u16string_view themeFolder,
                                            bool combined, bool vertical, const PanelSkin& previous) {
  PanelSkin skin;
  // The first reading has no previous fonts: a theme that names none gets the built-in ones.
  const PanelSkin builtIn = BuiltInPanelSkin(combined, vertical);
  skin.compositionFont = previous.compositionFont.face.empty() ? builtIn.compositionFont : previous.compositionFont;
  skin.candidateFont = previous.candidateFont.face.empty() ? builtIn.candidateFont : previous.candidateFont;
  const PanelSections sections = PanelSectionsFor(combined, vertical);
  std::optional<BarSkin> composition = ReadBar(theme, sections.composition, themeFolder);
  if (!composition.has_value()) return std::nullopt;
  skin.composition = std::move(*composition);
  ReadCompositionKeys(theme, sections.composition, skin);
  if (sections.candidate.has_value()) {
    std::optional<BarSkin> candidate = ReadBar(theme, *sections.candidate, themeFolder);
    if (!candidate.has_value()) return std::nullopt;
    skin.candidate = std::move(*candidate);
    ReadCandidateKeys(theme, *sections.candidate, skin);
  } else {
    ReadCandidateKeys(theme, sections.composition, skin);
  }
  ReadDisplay(theme, skin);
  return skin;
}

TextColors EffectiveColors(const PanelSkin& skin, const settings::ImeSettings& settings) {
  if (settings.customcolor != 0) {
    return {settings.candcolor, settings.candselcolor, settings.candhintcolor, settings.compcolor,
            settings.comphintcolor};
  }
  return {skin.candidateColor, skin.selectionColor, skin.candidateHintColor, skin.compositionColor,
          skin.compositionHintColor};
}

int32_t CurrentThemeIndex(const std::vector<std::u16string>& names, std::u16string_view currentName) {
  for (size_t i = 0; i < names.size(); ++i) {
    const std::u16string_view name = names[i];
    if (name.size() < currentName.size()) continue;
    if (std::equal(currentName.begin(), currentName.end(), name.begin(),
                   [](char16_t a, char16_t b) { return Folded(a) == Folded(b); })) {
      return static_cast<int32_t>(i);
    }
  }
  return -1;
}

std::u16string ThemeCommandLine(std::u16string_view installFolder, std::u16string_view packagePath) {
  std::u16string line = u"\"";
  line += installFolder;
  line += u"Varnello.exe\" ";
  if (packagePath.empty()) {
    line += u"-usenone";
  } else {
    line += u"-use";
    line += packagePath;
  }
  return line;
}

}  // namespace kellavor::ui
