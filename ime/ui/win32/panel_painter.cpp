#include "ime/ui/win32/panel_painter.h"

#include <algorithm>

#include "ime/lexicon/candidate_item.h"
#include "ime/ui/panel_text.h"

namespace kellavor::ui {
namespace {

using namespace lexicon::candidate_item_kind;

constexpr int kHintGap = 30;
constexpr COLORREF kHighlightedNumber = RGB(255, 0, 0);
constexpr COLORREF kHighlightedNumberShadow = RGB(255, 255, 255);
constexpr uint32_t kGermanWordInput = 1;

const wchar_t* Wide(std::u16string_view text) { return reinterpret_cast<const wchar_t*>(text.data()); }

}  // namespace

ScreenSize PanelPainter::TextSize(HDC dc, PanelFont font, std::u16string_view text) const {
  HGDIOBJ previous = SelectObject(dc, fonts_.For(font, text));
  SIZE size{};
  GetTextExtentPoint32W(dc, Wide(text), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  return {size.cx, size.cy};
}

void PanelPainter::DrawShadowText(HDC dc, int x, int y, std::u16string_view text, COLORREF color, bool shadowOn,
                                  COLORREF shadowColor) {
  const COLORREF previous = GetTextColor(dc);
  if (shadowOn) {
    SetTextColor(dc, shadowColor);
    TextOutW(dc, x + 1, y + 1, Wide(text), static_cast<int>(text.size()));
  }
  SetTextColor(dc, color);
  TextOutW(dc, x, y, Wide(text), static_cast<int>(text.size()));
  SetTextColor(dc, previous);
}

void PanelPainter::DrawIn(HDC dc, PanelFont font, int x, int y, std::u16string_view text, COLORREF color,
                          bool shadowOn, COLORREF shadowColor) const {
  HGDIOBJ previous = SelectObject(dc, fonts_.For(font, text));
  DrawShadowText(dc, x, y, text, color, shadowOn, shadowColor);
  SelectObject(dc, previous);
}

int PanelPainter::NumberLabelWidth(HDC dc) const { return TextSize(dc, PanelFont::kNumber, NumberLabel(10)).width; }

PanelFont PanelPainter::EntryFont(const core::PanelEntry& entry, bool highlighted) const {
  if (entry.kind == kSurrogatePair) return PanelFont::kExtensionB;
  if (entry.kind == kOneUnit && !entry.text.empty() && IsExtensionA(entry.text[0])) return PanelFont::kExtensionA;
  return highlighted ? PanelFont::kHighlighted : PanelFont::kCandidate;
}

ScreenSize PanelPainter::MeasureCandidate(HDC dc, const core::PanelEntry& entry) const {
  ScreenSize size = TextSize(dc, EntryFont(entry, false), entry.text);
  if (entry.hint.has_value()) {
    const ScreenSize hint = TextSize(dc, PanelFont::kCandidate, *entry.hint);
    size.width += hint.width + kHintGap;
    size.height = std::max(size.height, hint.height);
  }
  return size;
}

CandidateArrangement PanelPainter::MeasureCandidates(HDC dc) const {
  std::vector<ScreenSize> sizes;
  sizes.reserve(panel_.Entries().size());
  for (const core::PanelEntry& entry : panel_.Entries()) sizes.push_back(MeasureCandidate(dc, entry));
  return ArrangeCandidates(sizes, NumberLabelWidth(dc), settings_.showmode != 0, settings_.numofpage, skin_.rowCount,
                           TextSize(dc, PanelFont::kCandidate, u"A"));
}

ScreenSize PanelPainter::MeasureComposition(HDC dc) const {
  const std::u16string& text = panel_.Composition();
  std::optional<int32_t> hintWidth;
  if (KeyHintShown(text.size())) hintWidth = TextSize(dc, PanelFont::kComposition, KeyHint(settings_.en_usespace != 0)).width;
  return CompositionLineSize(TextSize(dc, PanelFont::kComposition, text), TextSize(dc, PanelFont::kComposition, u"A"),
                             hintWidth);
}

void PanelPainter::PaintComposition(HDC dc, int windowHeight) const {
  const std::u16string_view text = panel_.Composition();
  if (text.empty()) return;
  const TextColors colors = EffectiveColors(skin_, settings_);
  const ScreenSize line = MeasureComposition(dc);
  const int x = skin_.compositionMargins.left;
  const int y = AlignedTop(line.height, windowHeight, skin_.compositionMargins, skin_.compositionBottomAligned);
  const size_t split = std::min<size_t>(panel_.Split(), text.size());
  const int splitWidth = split == 0 ? 0 : TextSize(dc, PanelFont::kComposition, text.substr(0, split)).width;
  if (split == 0) {
    DrawIn(dc, PanelFont::kComposition, x, y, text, colors.composition, skin_.compositionShadow,
           skin_.compositionShadowColor);
  } else {
    DrawIn(dc, PanelFont::kComposition, x, y, text.substr(0, split), colors.composition, skin_.compositionShadow,
           skin_.compositionShadowColor);
    DrawIn(dc, PanelFont::kComposition, x + splitWidth, y, text.substr(split), colors.compositionHint,
           skin_.compositionHintShadow, skin_.compositionHintShadowColor);
  }
  HPEN pen = CreatePen(PS_SOLID, 1, colors.composition);
  HGDIOBJ previousPen = SelectObject(dc, pen);
  MoveToEx(dc, x + splitWidth, y, nullptr);
  LineTo(dc, x + splitWidth, y + line.height);
  SelectObject(dc, previousPen);
  DeleteObject(pen);
  if (KeyHintShown(text.size())) {
    const int textWidth = TextSize(dc, PanelFont::kComposition, text).width;
    // The key hint keeps the theme's colour, whatever colours the settings give the text.
    DrawIn(dc, PanelFont::kNumber, x + textWidth, y, KeyHint(settings_.en_usespace != 0), skin_.compositionHintColor,
           false, 0);
  }
}

void PanelPainter::PaintCandidate(HDC dc, const core::PanelEntry& entry, size_t number, int x, int y, bool highlighted,
                                  int windowWidth, int numberWidth) const {
  const TextColors colors = EffectiveColors(skin_, settings_);
  const COLORREF normal = colors.candidate;
  const COLORREF selected = colors.selection;
  const COLORREF color = highlighted ? selected : normal;
  const COLORREF shadow = highlighted ? skin_.selectionShadowColor : skin_.candidateShadowColor;
  DrawIn(dc, PanelFont::kNumber, x, y, NumberLabel(number), highlighted ? kHighlightedNumber : normal,
         skin_.candidateShadow, highlighted ? kHighlightedNumberShadow : skin_.candidateShadowColor);
  const int textX = x + numberWidth;
  const std::u16string_view text = entry.text;
  if (entry.kind == kString && settings_.inputmode == kGermanWordInput) {
    const size_t typed = TypedPartLength(panel_.Composition(), panel_.Split(), text.size());
    DrawIn(dc, PanelFont::kNumber, textX, y, text.substr(0, typed), selected, skin_.candidateShadow,
           skin_.selectionShadowColor);
    const int typedWidth = TextSize(dc, PanelFont::kNumber, text.substr(0, typed)).width;
    DrawIn(dc, PanelFont::kNumber, textX + typedWidth, y, text.substr(typed), normal, skin_.candidateShadow,
           skin_.candidateShadowColor);
  } else if (entry.kind == kString) {
    DrawIn(dc, EntryFont(entry, highlighted), textX, y, text, color, skin_.candidateShadow, skin_.selectionShadowColor);
  } else {
    DrawIn(dc, EntryFont(entry, highlighted), textX, y, text, color, skin_.candidateShadow, shadow);
  }
  if (entry.hint.has_value() && settings_.showmode == 1) {
    const int hintWidth = TextSize(dc, PanelFont::kHighlighted, *entry.hint).width;
    DrawIn(dc, PanelFont::kHighlighted, windowWidth - skin_.candidateMargins.right - hintWidth, y, *entry.hint,
           colors.candidateHint, skin_.candidateHintShadow, skin_.candidateHintShadowColor);
  }
}

std::vector<ScreenRect> PanelPainter::PaintCandidates(HDC dc, ScreenSize window,
                                                      const CandidateArrangement* measured) const {
  // A measurement of another page (the content changed without a layout) is not used.
  const bool current = measured != nullptr && measured->cells.size() == panel_.Entries().size();
  const CandidateArrangement arrangement = current ? *measured : MeasureCandidates(dc);
  const int numberWidth = NumberLabelWidth(dc);
  const int left = skin_.candidateMargins.left;
  const int top = AlignedTop(arrangement.area.height, window.height, skin_.candidateMargins, skin_.candidateBottomAligned);
  std::vector<ScreenRect> cells;
  cells.reserve(arrangement.cells.size());
  for (size_t i = 0; i < arrangement.cells.size(); ++i) {
    const ScreenRect& cell = arrangement.cells[i];
    const ScreenRect placed{cell.left + left, cell.top + top, cell.right + left, cell.bottom + top};
    PaintCandidate(dc, panel_.Entries()[i], i + 1, placed.left, placed.top, i == panel_.Highlight(), window.width,
                   numberWidth);
    cells.push_back(placed);
  }
  return cells;
}

}  // namespace kellavor::ui
