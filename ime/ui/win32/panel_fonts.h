// The panel's six fonts: composition, candidate, highlighted candidate, number, Extension A and
// Extension B. A face the system does not have is replaced by one that has Chinese glyphs, so that
// a theme or a table naming a face of another system shows text rather than empty boxes; text with
// Chinese characters drawn in a font without Chinese glyphs goes to that face as well.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>

#include "ime/settings/ime_settings.h"
#include "ime/ui/panel_skin.h"

namespace kellavor::ui {

enum class PanelFont { kComposition, kCandidate, kHighlighted, kNumber, kExtensionA, kExtensionB };

class PanelFonts {
 public:
  PanelFonts() = default;
  ~PanelFonts() { Delete(); }
  PanelFonts(const PanelFonts&) = delete;
  PanelFonts& operator=(const PanelFonts&) = delete;

  // Creates the six from the settings or the theme (by the skin's FONT_CHANGE), at the resolution
  // of the foreground window's screen.
  void Create(const settings::ImeSettings& settings, const PanelSkin& skin);
  void Delete();

  HFONT Get(PanelFont font) const { return fonts_[static_cast<size_t>(font)]; }
  // The font that draws the text: the one asked for, or the Chinese face when the text holds
  // Chinese characters and the asked one has no Chinese glyphs.
  HFONT For(PanelFont font, std::u16string_view text) const;

 private:
  HFONT MakeFont(const settings::FontSpec& spec, int pixelsPerInch) const;

  std::array<HFONT, 6> fonts_{};
  std::array<HFONT, 6> chinese_{};
  std::array<bool, 6> hasChinese_{};
  std::u16string chineseFace_;
};

}  // namespace kellavor::ui
