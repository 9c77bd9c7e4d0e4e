// The panel's windows as a user sees them: real pages typed through the manager, each window
// painted into a bitmap (WM_PRINTCLIENT, the same painting as on screen) and kept as a PNG file in
// the test folder (panel_png), with checks of what can be measured: the sizes the layout rules give,
// the windows' places, the highlight in the selection colour, ink where the Chinese text stands, the
// panel buttons, and a theme's key colour cut out of the window.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/test_folder.h"
#include "tests/wine/harness_environment.h"
#include "tests/wine/ime_session.h"
#include "tests/wine/session_test.h"
#include "tests/wine/theme_bitmap.h"
#include "tests/wine/window_picture.h"

namespace kellavor::wine {
namespace {

constexpr UINT kReloadSettings = WM_APP + 108;
constexpr UINT kThemeChanged = WM_APP + 110;
constexpr uint32_t kButtonGlyph = 0x3E5A8C;  // the panel buttons' glyphs

HWND EventWindow() { return FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"); }
HWND Window(const wchar_t* className) { return FindWindowW(className, nullptr); }

const std::filesystem::path& PngFolder() {
  static const TestFolder folder("panel_png");
  return folder.Native();
}

// Text is drawn smoothed: thin strokes blend into the background, so a pixel counts as drawn in a
// pure colour when that colour's channel stands out above the other two.
bool InSelectionColour(uint32_t pixel) { return Tinted(pixel, 0); }  // the built-in skin's blue
bool InHighlightedNumberColour(uint32_t pixel) { return Tinted(pixel, 16); }

Picture Render(HWND window, const std::string& name) { return wine::Render(window, PngFolder(), name); }

RECT ScreenRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

class PanelRendering : public SessionTest {
 protected:
  void SetUp() override {
    ASSERT_NE(LoadedModule(), nullptr);
    // The caret at (40, 30) of the application window: the panel stands below it.
    HIMC imc = session_->context();
    COMPOSITIONFORM form{CFS_POINT, {40, 30}, {}};
    ImmSetCompositionWindow(imc, &form);
    ImmReleaseContext(session_->window(), imc);
  }
  void TearDown() override {
    session_->Tap(VK_ESCAPE);
    session_->TakeMessages();
  }

  static void Configure(const std::vector<std::pair<std::wstring, std::wstring>>& keys) {
    const std::wstring config = (Installed().userFolder / "config.ini").wstring();
    for (const auto& [key, value] : keys) WritePrivateProfileStringW(L"UI", key.c_str(), value.c_str(), config.c_str());
    SendMessageW(EventWindow(), kReloadSettings, 0, 0);
  }
};

TEST_F(PanelRendering, PinyinHorizontalShowsTheHighlightedChineseCandidateBelowTheComposition) {
  Configure({{L"iscomb", L"0"}, {L"showmode", L"0"}, {L"candtrend", L"0"}, {L"usetheme", L"0"}});
  session_->Type(L"nihao");
  HWND composition = Window(L"KellavorIME_Comp");
  HWND candidate = Window(L"KellavorIME_Cand");
  ASSERT_TRUE(IsWindowVisible(composition));
  ASSERT_TRUE(IsWindowVisible(candidate));
  const Picture comp = Render(composition, "pinyin_horizontal_composition");
  const Picture cand = Render(candidate, "pinyin_horizontal_candidates");

  // The built-in skin's bitmaps are the least sizes; the composition of five letters has no key hint.
  EXPECT_GE(comp.width, 66);
  EXPECT_GE(comp.height, 22);
  EXPECT_GE(cand.width, 66);
  EXPECT_GE(cand.height, 24);
  // Below the composition window, 5 pixels apart, at its left.
  const RECT compRect = ScreenRect(composition);
  const RECT candRect = ScreenRect(candidate);
  EXPECT_EQ(candRect.left, compRect.left);
  EXPECT_EQ(candRect.top, compRect.bottom + 5);
  // The caret point of the context lies left of and above the window's corner.
  POINT caret{40, 30};
  ClientToScreen(session_->window(), &caret);
  EXPECT_GE(compRect.left, caret.x);
  EXPECT_GT(compRect.top, caret.y);

  // The first candidate is highlighted: its number in red, its text in the selection colour,
  // with plenty of ink (two Chinese characters, not empty boxes: they differ from each other).
  EXPECT_GT(cand.Count(0, 0, cand.width / 3, cand.height, InHighlightedNumberColour), 3);
  EXPECT_GT(cand.Count(0, 0, cand.width / 3, cand.height, InSelectionColour), 20);
  EXPECT_GT(cand.Count(cand.width / 3, 0, cand.width, cand.height, Dark), 50) << "the other candidates";
  EXPECT_GT(comp.Count(0, 0, comp.width, comp.height, Dark), 20) << "the composition text";
}

TEST_F(PanelRendering, GermanVerticalListsWordsWithRightAlignedHints) {
  Configure({{L"iscomb", L"0"}, {L"showmode", L"1"}, {L"usetheme", L"0"}});
  session_->Tap(VK_LSHIFT);
  session_->Type(L"haus");
  HWND candidate = Window(L"KellavorIME_Cand");
  ASSERT_TRUE(IsWindowVisible(candidate));
  const Picture cand = Render(candidate, "german_vertical_candidates");
  Render(Window(L"KellavorIME_Comp"), "german_vertical_composition");
  session_->Tap(VK_ESCAPE);
  session_->Tap(VK_LSHIFT);
  Configure({{L"showmode", L"0"}});

  // One line a candidate: far higher than wide a line; ink near the right margin (the hints).
  EXPECT_GT(cand.height, 3 * 16);
  EXPECT_GT(cand.Count(cand.width * 2 / 3, 0, cand.width - 20, cand.height, Dark), 30) << "hints at the right";
  EXPECT_GT(cand.Count(0, 0, cand.width / 3, cand.height, InSelectionColour), 10)
      << "the typed part of the words";
}

TEST_F(PanelRendering, TheCombinedLayoutDrawsBothLinesAndItsButtonsInOneWindow) {
  Configure({{L"iscomb", L"1"}, {L"showmode", L"0"}, {L"usetheme", L"0"}});
  session_->Type(L"shi");
  HWND composition = Window(L"KellavorIME_Comp");
  ASSERT_TRUE(IsWindowVisible(composition));
  EXPECT_FALSE(IsWindowVisible(Window(L"KellavorIME_Cand")));
  const Picture comb = Render(composition, "combined_layout");
  EXPECT_GE(comb.width, 94);
  EXPECT_GE(comb.height, 41);
  // Page down (16 from the right) and lookup (52 from the right) at the top; page up is hidden on
  // the first page.
  const auto glyph = [](uint32_t p) { return p == kButtonGlyph; };
  EXPECT_GT(comb.Count(comb.width - 16, 2, comb.width - 4, 14, glyph), 5);
  EXPECT_GT(comb.Count(comb.width - 52, 2, comb.width - 40, 14, glyph), 5);
  EXPECT_EQ(comb.Count(comb.width - 30, 2, comb.width - 18, 14, glyph), 0);
  EXPECT_GT(comb.Count(0, comb.height / 2, comb.width, comb.height, InSelectionColour), 10)
      << "the candidates in the lower line";
}

TEST_F(PanelRendering, AThemeWithAKeyColourCutsItsCornersOutOfTheWindows) {
  const std::filesystem::path theme = Installed().userFolder / "theme";
  std::filesystem::create_directories(theme);
  WriteThemeBitmap(theme / "bar.bmp");
  std::ofstream(theme / "theme.ini", std::ios::binary)
      << "[General]\r\nNAME=Corners\r\n"
         "[hCompBar]\r\nIMAGE_BAR=bar.bmp\r\nTRAN_ENABLE=1\r\nTRAN_COLOR=255,0,255\r\nZOOM_OFFSET=8,8,8,8\r\n"
         "COMP_OFFSET=8,7,8,7\r\n"
         "[hCandBar]\r\nIMAGE_BAR=bar.bmp\r\nTRAN_ENABLE=1\r\nTRAN_COLOR=255,0,255\r\nZOOM_OFFSET=8,8,8,8\r\n"
         "CAND_OFFSET=8,7,8,7\r\nCAND_ALIGNS_KIND=0\r\n"
         "[Display]\r\nCAND_COLOR=20,20,20\r\nCANDSEL_COLOR=200,0,0\r\nCOMP_COLOR=0,90,0\r\nCOMPHINT_COLOR=90,90,90\r\n";
  Configure({{L"iscomb", L"0"}, {L"showmode", L"0"}, {L"usetheme", L"1"}});
  SendMessageW(EventWindow(), kThemeChanged, 0, 0);
  session_->Type(L"zhongguo");
  HWND candidate = Window(L"KellavorIME_Cand");
  ASSERT_TRUE(IsWindowVisible(candidate));
  const Picture cand = Render(candidate, "theme_key_colour_candidates");
  Render(Window(L"KellavorIME_Comp"), "theme_key_colour_composition");

  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(candidate, region), ERROR) << "the window has a region";
  EXPECT_FALSE(PtInRegion(region, 0, 0)) << "a magenta corner is cut";
  EXPECT_FALSE(PtInRegion(region, cand.width - 1, cand.height - 1));
  EXPECT_TRUE(PtInRegion(region, 4, 4)) << "the frame stays";
  EXPECT_TRUE(PtInRegion(region, cand.width / 2, cand.height / 2));
  DeleteObject(region);
  EXPECT_EQ(cand.At(0, 0), 0xFF00FFu) << "the stretched skin keeps its corners";
  EXPECT_GT(cand.Count(0, 0, cand.width, cand.height, [](uint32_t p) { return Near(p, 0xC80000); }), 10)
      << "the theme's selection colour";

  session_->Tap(VK_ESCAPE);
  Configure({{L"usetheme", L"0"}});
  SendMessageW(EventWindow(), kThemeChanged, 0, 0);
}

}  // namespace
}  // namespace kellavor::wine
