#include "ime/ui/win32/panel_fonts.h"

#include <string>
#include <vector>

namespace kellavor::ui {
namespace {

constexpr char16_t kSampleChinese = u'中';

int CALLBACK NoteFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
  auto* face = reinterpret_cast<std::u16string*>(found);
  // Faces for vertical writing begin with "@"; they are no use on a horizontal line.
  if (font->lfFaceName[0] == L'@') return 1;
  face->assign(reinterpret_cast<const char16_t*>(font->lfFaceName));
  return 0;
}

bool FaceExists(HDC dc, std::u16string_view face) {
  if (face.empty() || face.size() >= LF_FACESIZE) return false;
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(reinterpret_cast<char16_t*>(wanted.lfFaceName), face.size());
  std::u16string found;
  EnumFontFamiliesExW(dc, &wanted, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return !found.empty();
}

// The first face the system offers for the simplified Chinese character set.
std::u16string ChineseFace(HDC dc) {
  LOGFONTW wanted{};
  wanted.lfCharSet = GB2312_CHARSET;
  std::u16string found;
  EnumFontFamiliesExW(dc, &wanted, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool HasGlyphs(HDC dc, HFONT font, std::u16string_view text) {
  if (font == nullptr || text.empty()) return true;
  HGDIOBJ previous = SelectObject(dc, font);
  std::vector<WORD> glyphs(text.size());
  const DWORD count = GetGlyphIndicesW(dc, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()),
                                       glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
  SelectObject(dc, previous);
  if (count == GDI_ERROR) return true;
  for (WORD glyph : glyphs) {
    if (glyph == 0xFFFF) return false;
  }
  return true;
}

bool HoldsChinese(std::u16string_view text) {
  for (char16_t unit : text) {
    if (unit >= 0x2E80) return true;
  }
  return false;
}

}  // namespace

HFONT PanelFonts::MakeFont(const settings::FontSpec& spec, int pixelsPerInch) const {
  return CreateFontW(-MulDiv(spec.size, pixelsPerInch, 72), 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_MODERN | VARIABLE_PITCH,
                     reinterpret_cast<const wchar_t*>(spec.face.c_str()));
}

void PanelFonts::Create(const settings::ImeSettings& settings, const PanelSkin& skin) {
  Delete();
  HWND foreground = GetForegroundWindow();
  HDC dc = GetDC(foreground);
  const int pixelsPerInch = GetDeviceCaps(dc, LOGPIXELSY);
  chineseFace_ = ChineseFace(dc);
  const settings::FontSpec& composition = skin.fontsFromSettings ? settings.compfont : skin.compositionFont;
  const settings::FontSpec& candidate = skin.fontsFromSettings ? settings.candfont : skin.candidateFont;
  const std::array<settings::FontSpec, 6> specs{
      composition,
      candidate,
      candidate,
      settings.candfonten,
      settings::FontSpec{u"宋体-18030", candidate.size, candidate.weight},
      settings::FontSpec{u"宋体-ExtB", candidate.size, candidate.weight},
  };
  for (size_t i = 0; i < specs.size(); ++i) {
    settings::FontSpec spec = specs[i];
    const bool missing = !FaceExists(dc, spec.face);
    if (missing && !chineseFace_.empty()) spec.face = chineseFace_;
    fonts_[i] = MakeFont(spec, pixelsPerInch);
    settings::FontSpec chinese = spec;
    if (!chineseFace_.empty()) chinese.face = chineseFace_;
    chinese_[i] = chinese.face == spec.face ? nullptr : MakeFont(chinese, pixelsPerInch);
    hasChinese_[i] = HasGlyphs(dc, fonts_[i], std::u16string_view(&kSampleChinese, 1));
  }
  ReleaseDC(foreground, dc);
}

void PanelFonts::Delete() {
  for (auto* list : {&fonts_, &chinese_}) {
    for (HFONT& font : *list) {
      if (font != nullptr) DeleteObject(font);
      font = nullptr;
    }
  }
}

HFONT PanelFonts::For(PanelFont font, std::u16string_view text) const {
  const auto i = static_cast<size_t>(font);
  // A font with Chinese glyphs is trusted with every Chinese text: asking per text would cost a
  // glyph lookup for every string measured and drawn.
  if (chinese_[i] == nullptr || hasChinese_[i] || !HoldsChinese(text)) return fonts_[i];
  return chinese_[i];
}

}  // namespace kellavor::ui
