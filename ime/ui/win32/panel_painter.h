// Measuring and painting the panel's content: the composition line with its split colours, caret
// and key hint, and the numbered candidates with the German typed part and the right-aligned
// hints. The window side calls it for layout and for every paint.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ime/core/input_panel.h"
#include "ime/settings/ime_settings.h"
#include "ime/ui/panel_layout.h"
#include "ime/ui/panel_skin.h"
#include "ime/ui/win32/panel_fonts.h"

namespace kellavor::ui {

class PanelPainter {
 public:
  PanelPainter(const core::InputPanel& panel, const settings::ImeSettings& settings, const PanelSkin& skin,
               const PanelFonts& fonts)
      : panel_(panel), settings_(settings), skin_(skin), fonts_(fonts) {}

  // Width of the number label " 0. " in the number font.
  int NumberLabelWidth(HDC dc) const;
  ScreenSize MeasureCandidate(HDC dc, const core::PanelEntry& entry) const;
  // The candidates' places and the area they take.
  CandidateArrangement MeasureCandidates(HDC dc) const;
  ScreenSize MeasureComposition(HDC dc) const;

  // Draws the text, first one pixel down and right in the shadow colour when the shadow is on.
  static void DrawShadowText(HDC dc, int x, int y, std::u16string_view text, COLORREF color, bool shadowOn,
                             COLORREF shadowColor);

  // The composition line in a window of the given height.
  void PaintComposition(HDC dc, int windowHeight) const;
  // The candidates in a window of the given size, as measured (measured again when not given);
  // their rectangles, in the window's coordinates.
  std::vector<ScreenRect> PaintCandidates(HDC dc, ScreenSize window, const CandidateArrangement* measured) const;

 private:
  ScreenSize TextSize(HDC dc, PanelFont font, std::u16string_view text) const;
  void DrawIn(HDC dc, PanelFont font, int x, int y, std::u16string_view text, COLORREF color, bool shadowOn,
              COLORREF shadowColor) const;
  void PaintCandidate(HDC dc, const core::PanelEntry& entry, size_t number, int x, int y, bool highlighted,
                      int windowWidth, int numberWidth) const;
  PanelFont EntryFont(const core::PanelEntry& entry, bool highlighted) const;

  const core::InputPanel& panel_;
  const settings::ImeSettings& settings_;
  const PanelSkin& skin_;
  const PanelFonts& fonts_;
};

}  // namespace kellavor::ui
