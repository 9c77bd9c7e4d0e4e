// The panel's skin as values: per window its bitmap, stretch margins and transparency, the
// margins and alignment of the composition text and the candidate area, the rows, the fonts and
// the colours; where they come from (a theme's theme.ini or the built-in skin) and which theme of
// the installed packages is the current one. Loading the bitmaps is the window side's part.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ime/settings/ime_settings.h"
#include "ime/settings/ini_file.h"
#include "ime/ui/panel_layout.h"

namespace kellavor::ui {

inline constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | green << 8 | blue << 16; }

// One window's skin: its bitmap (a file of the theme folder, or a resource of the module) and how
// it is stretched and cut.
struct BarSkin {
  std::u16string imageFile;  // the full path, for a theme
  uint16_t imageResource = 0;  // for the built-in skin
  Margins zoom{1, 1, 1, 1};
  bool transparent = false;
  uint32_t keyColor = 0;
};

struct PanelSkin {
  // The composition window's skin (the one window in the combined layout) and the candidate
  // window's (separate layout only).
  BarSkin composition;
  BarSkin candidate;
  Margins compositionMargins{1, 1, 1, 1};
  bool compositionBottomAligned = false;
  Margins candidateMargins{1, 1, 1, 1};
  bool candidateBottomAligned = false;
  uint32_t rowCount = 1;
  bool fontsFromSettings = true;
  settings::FontSpec compositionFont;
  settings::FontSpec candidateFont;
  uint32_t candidateColor = 0;
  uint32_t selectionColor = 0;
  uint32_t candidateHintColor = 0;
  uint32_t compositionColor = 0;
  uint32_t compositionHintColor = 0;
  bool candidateShadow = false;
  bool candidateHintShadow = false;
  bool compositionShadow = false;
  bool compositionHintShadow = false;
  uint32_t candidateShadowColor = 0;
  uint32_t selectionShadowColor = 0;
  uint32_t candidateHintShadowColor = 0;
  uint32_t compositionShadowColor = 0;
  uint32_t compositionHintShadowColor = 0;
  // The three page and lookup buttons of the combined built-in skin.
  bool panelButtons = false;
};

// The bitmap resources of the built-in skin and of the panel buttons.
inline constexpr uint16_t kCombinedBarBitmap = 134;
inline constexpr uint16_t kCompositionBarBitmap = 145;
inline constexpr uint16_t kCandidateBarBitmap = 146;
inline constexpr uint16_t kPageUpBitmap = 164;
inline constexpr uint16_t kPageDownBitmap = 165;
inline constexpr uint16_t kLookupBitmap = 167;

PanelSkin BuiltInPanelSkin(bool combined, bool vertical);

// The theme.ini sections of the panel: the composition (or combined) section and, in the separate
// layout, the candidate section.
struct PanelSections {
  std::u16string composition;
  std::optional<std::u16string> candidate;
};
PanelSections PanelSectionsFor(bool combined, bool vertical);

// The skin as a theme's theme.ini gives it, bitmap paths made from the theme folder (which ends
// with a separator); none when a bar section of the layout names no bitmap or a path grows longer
// than 255 characters. The fonts start from previous (a missing font key keeps them; without
// previous fonts, at the first reading, the built-in skin's are kept). Whether the
// bitmaps load is for the caller to find out; one that does not rejects the theme as well.
std::optional<PanelSkin> ReadThemePanelSkin(const settings::IniFile& theme, std::u16string_view themeFolder,
                                            bool combined, bool vertical, const PanelSkin& previous);

// The colours that paint: with customcolor the five configured ones replace the theme's.
struct TextColors {
  uint32_t candidate = 0;
  uint32_t selection = 0;
  uint32_t candidateHint = 0;
  uint32_t composition = 0;
  uint32_t compositionHint = 0;
};
TextColors EffectiveColors(const PanelSkin& skin, const settings::ImeSettings& settings);

// The index of the current theme among the package names: the first name that begins with the
// current theme's name, compared without case over that name's length; -1 for none.
int32_t CurrentThemeIndex(const std::vector<std::u16string>& names, std::u16string_view currentName);

// The command line that has the theme installer install the package at path (or, for an empty
// path, switch to the built-in skin). The program's path is quoted: the install folder may hold
// blanks.
std::u16string ThemeCommandLine(std::u16string_view installFolder, std::u16string_view packagePath);

}  // namespace kellavor::ui
