// The status bar, its menu and the soft keyboard in an application typing through Wine's
// input-method manager: the bar appears with the module, its buttons are clicked the way its
// disabled window sees a click (the cursor put on the button, press and release through
// WM_SETCURSOR), the menu is opened and read while it is up, its commands are sent as the menu
// returns them, and the soft keyboard is shown, placed and typed through. The bar in both modes and
// a soft keyboard are kept as PNG files in the test folder (status_png).
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

constexpr UINT kImeUiCommand = WM_APP + 1;
constexpr UINT kImeUiMenu = WM_APP + 5;
constexpr UINT kReloadSettings = WM_APP + 108;
constexpr UINT kThemeChanged = WM_APP + 110;
constexpr int kBarWidth = 150;
constexpr int kBarHeight = 24;
// The middle of each place of the built-in bar.
constexpr POINT kInputModePlace{45, 12};
constexpr POINT kWidthPlace{66, 12};
constexpr POINT kPunctuationPlace{86, 12};
constexpr POINT kSoftKeyboardPlace{106, 12};
constexpr POINT kGrip{5, 12};

HWND StatusWindow() { return FindWindowW(L"KellavorIME_Status", nullptr); }
HWND SoftKeyboardWindow() { return FindWindowW(L"KellavorIME_SoftKbd", nullptr); }
HWND EventWindow() { return FindWindowW(L"Tessal_ExtEventCl", L"Tessal_ExtEventWi"); }

const std::filesystem::path& PngFolder() {
  static const TestFolder folder("status_png");
  return folder.Native();
}

RECT WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

void PointerEvent(HWND window, UINT mouseMessage) {
  SendMessageW(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, mouseMessage));
}

void PutCursor(HWND window, POINT client) {
  ClientToScreen(window, &client);
  SetCursorPos(client.x, client.y);
}

// A left click as the disabled window sees it, on the window as last painted: a user clicks what
// the bar shows.
void Click(HWND window, POINT client) {
  UpdateWindow(window);
  PutCursor(window, client);
  PointerEvent(window, WM_MOUSEMOVE);
  PointerEvent(window, WM_LBUTTONDOWN);
  PointerEvent(window, WM_LBUTTONUP);
}

// The menu as it stood while it was up: its items' texts, the checked ids and the theme items.
struct SeenMenu {
  bool opened = false;
  std::vector<std::wstring> items;
  std::vector<std::wstring> keyboards;
  std::vector<std::wstring> themes;
  std::vector<UINT> checked;
};
SeenMenu seen;

std::wstring ItemText(HMENU menu, int position) {
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

void ReadMenu(HMENU menu, std::vector<std::wstring>& texts) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    texts.push_back(ItemText(menu, i));
    const UINT id = GetMenuItemID(menu, i);
    if (id != static_cast<UINT>(-1) && (GetMenuState(menu, id, MF_BYCOMMAND) & MF_CHECKED) != 0) {
      seen.checked.push_back(id);
    }
  }
}

// Runs inside the menu's own message loop: reads the open menu, then closes it unchosen.
void CALLBACK InspectMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  if (HWND popup = FindWindowW(L"#32768", nullptr); popup != nullptr) {
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
    if (menu != nullptr) {
      seen.opened = true;
      ReadMenu(menu, seen.items);
      ReadMenu(GetSubMenu(menu, 2), seen.themes);
      ReadMenu(GetSubMenu(menu, 3), seen.keyboards);
    }
  }
  EndMenu();
}

// Has the next menu read and closed shortly after it opens.
void InspectNextMenu() {
  seen = {};
  SetTimer(nullptr, 0, 100, &InspectMenu);
}

SeenMenu OpenMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  InspectNextMenu();
  SendMessageW(window, message, wParam, lParam);
  return seen;
}

class StatusBar : public SessionTest {
 protected:
  static void SetUpTestSuite() {
    SessionTest::SetUpTestSuite();
    // An installed theme package for the menu to list.
    std::filesystem::create_directories(Installed().userFolder / "themes");
    std::ofstream(Installed().userFolder / "themes" / "Morgenrot.thm") << "theme";
  }

  void SetUp() override {
    ASSERT_NE(LoadedModule(), nullptr);
    status_ = StatusWindow();
    ASSERT_NE(status_, nullptr);
  }
  void TearDown() override {
    session_->Tap(VK_ESCAPE);
    session_->TakeMessages();
  }

  DWORD Conversion() const {
    HIMC imc = session_->context();
    DWORD conversion = 0;
    DWORD sentence = 0;
    ImmGetConversionStatus(imc, &conversion, &sentence);
    ImmReleaseContext(session_->window(), imc);
    return conversion;
  }
  void SetConversion(DWORD conversion) const {
    HIMC imc = session_->context();
    ImmSetConversionStatus(imc, conversion, IME_SMODE_NONE);
    ImmReleaseContext(session_->window(), imc);
  }

  // The bar has been repainted as a whole since it was last validated.
  bool WholeBarInvalid() const {
    RECT update{};
    return GetUpdateRect(status_, &update, FALSE) && update.left == 0 && update.top == 0 &&
           update.right == kBarWidth && update.bottom == kBarHeight;
  }

  // A config.ini value of the runtime state, once the module has saved it.
  static std::wstring SavedValue(const wchar_t* section, const wchar_t* key) {
    SendMessageW(EventWindow(), kReloadSettings, 0, 0);
    wchar_t value[64] = {};
    GetPrivateProfileStringW(section, key, L"", value, 64, (Installed().userFolder / "config.ini").c_str());
    return value;
  }

  HWND status_ = nullptr;
};

TEST_F(StatusBar, AppearsWithTheModuleAtTheBottomTwoThirdsAcrossTheWorkArea) {
  EXPECT_TRUE(IsWindowVisible(status_));
  EXPECT_EQ(GetWindow(status_, GW_OWNER), FindWindowW(L"KellavorIME_UI", nullptr));
  const RECT bar = ScreenRectOf(status_);
  EXPECT_EQ(bar.right - bar.left, kBarWidth);
  EXPECT_EQ(bar.bottom - bar.top, kBarHeight);
  const RECT area = WorkArea();
  EXPECT_EQ(bar.left, area.right - (area.right - area.left) / 3);
  EXPECT_EQ(bar.bottom, area.bottom);
  EXPECT_EQ(SavedValue(L"APPSTATUS", L"ptstatusbar"),
            std::to_wstring(bar.left) + L"," + std::to_wstring(bar.top));
}

TEST_F(StatusBar, ClicksSwitchTheModesOfTheContextAndRepaintTheBar) {
  SetConversion(IME_CMODE_NATIVE | IME_CMODE_SYMBOL);
  const Picture pinyin = Render(status_, PngFolder(), "status_bar_pinyin");

  ValidateRect(status_, nullptr);
  Click(status_, kInputModePlace);
  EXPECT_EQ(Conversion() & IME_CMODE_SYMBOL, 0u) << "German words take Western punctuation";
  EXPECT_TRUE(WholeBarInvalid());
  const Picture german = Render(status_, PngFolder(), "status_bar_german");
  const auto differs = [&](int left, int right) {
    int count = 0;
    for (int y = 2; y < 22; ++y) {
      for (int x = left; x < right; ++x) count += pinyin.At(x, y) != german.At(x, y) ? 1 : 0;
    }
    return count;
  };
  EXPECT_GT(differs(35, 55), 20) << "the input-mode place shows the German button";
  EXPECT_GT(differs(76, 96), 5) << "and Western punctuation";
  EXPECT_EQ(differs(96, 150), 0) << "the soft keyboard and menu places are unchanged";
  EXPECT_EQ(session_->Commit(L"haus", VK_SPACE), L"Haus ") << "German words are offered";

  Click(status_, kInputModePlace);
  EXPECT_NE(Conversion() & IME_CMODE_SYMBOL, 0u) << "back to pinyin";
  EXPECT_EQ(session_->Commit(L"zhongguo", VK_SPACE), L"中国");

  ValidateRect(status_, nullptr);
  Click(status_, kWidthPlace);
  EXPECT_NE(Conversion() & IME_CMODE_FULLSHAPE, 0u);
  EXPECT_TRUE(WholeBarInvalid());
  Click(status_, kWidthPlace);
  EXPECT_EQ(Conversion() & IME_CMODE_FULLSHAPE, 0u);

  Click(status_, kPunctuationPlace);
  EXPECT_EQ(Conversion() & IME_CMODE_SYMBOL, 0u);
  Click(status_, kPunctuationPlace);
  EXPECT_NE(Conversion() & IME_CMODE_SYMBOL, 0u);

  // A press on the button that is released elsewhere does nothing.
  PutCursor(status_, kWidthPlace);
  PointerEvent(status_, WM_LBUTTONDOWN);
  PutCursor(status_, {140, 40});
  PointerEvent(status_, WM_LBUTTONUP);
  EXPECT_EQ(Conversion() & IME_CMODE_FULLSHAPE, 0u);
}

TEST_F(StatusBar, TheMenuShowsItsItemsWithTheirChecksAndTheThemesInstalled) {
  const SeenMenu menu = OpenMenu(status_, kImeUiMenu, 0, 0);
  ASSERT_TRUE(menu.opened);
  EXPECT_EQ(menu.items, (std::vector<std::wstring>{L"属性设置...(&P)", L"", L"更换主题(&T)", L"软键盘(&S)", L"繁体模式",
                                                  L"", L"使用帮助(&H)", L"关于..."}));
  ASSERT_EQ(menu.keyboards.size(), 18u) << "fourteen keyboards, three separators, the close item";
  EXPECT_EQ(menu.keyboards[0], L"&1 德语字母    ä ö ü ß");
  EXPECT_EQ(menu.keyboards[5], L"");
  EXPECT_EQ(menu.keyboards[17], L"关闭软键盘(&C)");
  EXPECT_EQ(menu.themes, (std::vector<std::wstring>{L"使用默认主题", L"Morgenrot.thm"}));
  // The keyboard is off: the close item is checked; the built-in skin is the theme.
  EXPECT_EQ(menu.checked, (std::vector<UINT>{40030, 40024}));

  // Traditional output, chosen as the menu returns it: checked next time, and the commit converts.
  SendMessageW(status_, kImeUiCommand, 40029, 0);
  EXPECT_EQ(SavedValue(L"POPUPMENU", L"big5mode"), L"1");
  EXPECT_EQ(session_->Commit(L"zhongguo", VK_SPACE), L"中國");
  const SeenMenu traditional = OpenMenu(status_, kImeUiMenu, 0, 0);
  EXPECT_EQ(traditional.checked, (std::vector<UINT>{40029, 40030, 40024}));
  SendMessageW(status_, kImeUiCommand, 40029, 0);
  EXPECT_EQ(session_->Commit(L"zhongguo", VK_SPACE), L"中国");

  // The menu hot key and the right button on the bar and on the composition window open it too.
  InspectNextMenu();
  session_->Chord({VK_LCONTROL, VK_LSHIFT}, 'M');
  EXPECT_TRUE(seen.opened) << "Ctrl+Shift+M";
  PutCursor(status_, kGrip);
  EXPECT_TRUE(OpenMenu(status_, WM_SETCURSOR, reinterpret_cast<WPARAM>(status_), MAKELPARAM(HTCLIENT, WM_RBUTTONUP)).opened);
  session_->Type(L"ni");
  HWND composition = FindWindowW(L"KellavorIME_Comp", nullptr);
  ASSERT_TRUE(IsWindowVisible(composition));
  EXPECT_TRUE(OpenMenu(composition, WM_SETCURSOR, reinterpret_cast<WPARAM>(composition),
                       MAKELPARAM(HTCLIENT, WM_RBUTTONUP))
                  .opened);
}

TEST_F(StatusBar, TheSoftKeyboardShowsClearOfTheBarTypesItsLayoutAndCloses) {
  ASSERT_EQ(Conversion() & IME_CMODE_SOFTKBD, 0u);
  Click(status_, kSoftKeyboardPlace);
  EXPECT_NE(Conversion() & IME_CMODE_SOFTKBD, 0u);
  HWND keyboard = SoftKeyboardWindow();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_TRUE(IsWindowVisible(keyboard));
  const RECT area = WorkArea();
  const RECT placed = ScreenRectOf(keyboard);
  const RECT bar = ScreenRectOf(status_);
  RECT overlap{};
  EXPECT_EQ(placed.right, area.right);
  EXPECT_FALSE(IntersectRect(&overlap, &placed, &bar)) << "clear of the bar";
  // In the corner, or right above the bar where the bar reaches into the corner.
  const RECT corner{area.right - (placed.right - placed.left), area.bottom - (placed.bottom - placed.top), area.right,
                    area.bottom};
  EXPECT_EQ(placed.bottom, IntersectRect(&overlap, &corner, &bar) ? bar.top : area.bottom);
  const Picture picture = Render(keyboard, PngFolder(), "soft_keyboard_german");
  EXPECT_GT(picture.Count(0, 0, picture.width, picture.height, Dark), 300) << "the keys' characters";

  // Layout 13, German letters: 1 types ä, Shift+1 Ä, 5 nothing; other keys as they are.
  EXPECT_EQ(session_->Commit(L"1", VK_SPACE), L"ä ");
  session_->Type(L"!");
  session_->Type(L"5a");
  EXPECT_EQ(session_->TakeCommitted(), L"Äa");

  // Another layout from the menu replaces the keyboard: Greek, A types κ.
  SendMessageW(status_, kImeUiCommand, 40012, 0);
  ASSERT_NE(SoftKeyboardWindow(), nullptr);
  EXPECT_NE(SoftKeyboardWindow(), keyboard);
  Render(SoftKeyboardWindow(), PngFolder(), "soft_keyboard_greek");
  session_->Type(L"a");
  EXPECT_EQ(session_->TakeCommitted(), L"κ");
  const SeenMenu menu = OpenMenu(status_, kImeUiMenu, 0, 0);
  EXPECT_EQ(menu.checked, (std::vector<UINT>{40030, 40012}));

  // Closed from the menu; the keys are the keyboard's own again.
  SendMessageW(status_, kImeUiCommand, 40024, 0);
  EXPECT_EQ(Conversion() & IME_CMODE_SOFTKBD, 0u);
  EXPECT_EQ(SoftKeyboardWindow(), nullptr);
  EXPECT_EQ(SavedValue(L"POPUPMENU", L"softkbdid"), L"12");
  SendMessageW(status_, kImeUiCommand, 40024, 0);
  EXPECT_EQ(Conversion() & IME_CMODE_SOFTKBD, 0u) << "closing a closed keyboard switches nothing on";
  EXPECT_EQ(session_->Commit(L"1", VK_SPACE), L"1 ");
  SendMessageW(status_, kImeUiCommand, 40013, 0);
  EXPECT_NE(Conversion() & IME_CMODE_SOFTKBD, 0u) << "choosing a layout while off switches it on";
  Click(status_, kSoftKeyboardPlace);
  EXPECT_EQ(SoftKeyboardWindow(), nullptr);

  // The hot key opens and closes it.
  session_->Chord({VK_LCONTROL, VK_LSHIFT}, 'K');
  EXPECT_NE(SoftKeyboardWindow(), nullptr);
  EXPECT_NE(Conversion() & IME_CMODE_SOFTKBD, 0u);
  session_->Chord({VK_LCONTROL, VK_LSHIFT}, 'K');
  EXPECT_EQ(SoftKeyboardWindow(), nullptr);
  EXPECT_EQ(Conversion() & IME_CMODE_SOFTKBD, 0u);
}

TEST_F(StatusBar, AContextStartingWithTheSoftKeyboardOnShowsTheKeyboardThatTakesTheKeys) {
  SetConversion(IME_CMODE_NATIVE | IME_CMODE_SYMBOL | IME_CMODE_SOFTKBD);
  HWND ui = FindWindowW(L"KellavorIME_UI", nullptr);
  SendMessageW(ui, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  HWND keyboard = SoftKeyboardWindow();
  ASSERT_NE(keyboard, nullptr);
  EXPECT_TRUE(IsWindowVisible(keyboard));
  session_->Type(L"2");
  EXPECT_EQ(session_->TakeCommitted(), L"ö");
  Click(status_, kSoftKeyboardPlace);
  EXPECT_EQ(SoftKeyboardWindow(), nullptr);
  EXPECT_EQ(Conversion() & IME_CMODE_SOFTKBD, 0u);
}

TEST_F(StatusBar, CapsLockShowsTheCapsButton) {
  const Picture before = Render(status_, PngFolder(), "status_bar_before_caps");
  session_->Tap(VK_CAPITAL);
  const Picture caps = Render(status_, PngFolder(), "status_bar_caps");
  session_->Tap(VK_CAPITAL);
  int differs = 0;
  for (int y = 2; y < 22; ++y) {
    for (int x = 35; x < 55; ++x) differs += before.At(x, y) != caps.At(x, y) ? 1 : 0;
  }
  EXPECT_GT(differs, 10);
  // A click on it does nothing.
  session_->Tap(VK_CAPITAL);
  const DWORD conversion = Conversion();
  Click(status_, kInputModePlace);
  EXPECT_EQ(Conversion(), conversion);
  session_->Tap(VK_CAPITAL);
}

// Switches to the theme of the theme.ini text, whose images are all the 48 x 30 bar; an empty text
// switches back to the built-in skin.
void UseTheme(const std::string& themeIni) {
  const std::filesystem::path theme = Installed().userFolder / "theme";
  std::filesystem::create_directories(theme);
  WriteThemeBitmap(theme / "bar.bmp");
  std::ofstream(theme / "theme.ini", std::ios::binary) << themeIni;
  WritePrivateProfileStringW(L"UI", L"usetheme", themeIni.empty() ? L"0" : L"1",
                             (Installed().userFolder / "config.ini").c_str());
  SendMessageW(EventWindow(), kThemeChanged, 0, 0);
}

TEST_F(StatusBar, AThemeGivesTheBarItsImageShapeAndButtonsOrFallsBackWhole) {
  // The pinyin button has no normal image, but the group's last member, Caps Lock, is complete:
  // the theme stands without a pinyin button.
  UseTheme(
      "[StatusBar]\r\nTEMPLET=bar.bmp\r\nTEMPLET_TRAN_ENABLE=1\r\nTEMPLET_TRAN_COLOR=255,0,255\r\n"
      "INPUT_MODE_SHOW=1\r\n"
      "[PinyinBt]\r\nBUTTON_DOWN=bar.bmp\r\n"
      "[EnglishBt]\r\nBUTTON_UP=bar.bmp\r\nBUTTON_DOWN=bar.bmp\r\n"
      "[CapsBt]\r\nBUTTON_UP=bar.bmp\r\nBUTTON_DOWN=bar.bmp\r\nBUTTON_POS=0,0\r\n");
  RECT bar = ScreenRectOf(status_);
  EXPECT_EQ(bar.right - bar.left, kThemeBitmapWidth);
  EXPECT_EQ(bar.bottom - bar.top, kThemeBitmapHeight);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(status_, region), ERROR) << "cut to the key colour";
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_TRUE(PtInRegion(region, kThemeBitmapWidth / 2, kThemeBitmapHeight / 2));
  DeleteObject(region);
  Render(status_, PngFolder(), "status_bar_theme");

  // Every group switched off: no button is counted, so the theme fails, custom button or not.
  UseTheme(
      "[StatusBar]\r\nTEMPLET=bar.bmp\r\nCUSTOM_SHOW=1\r\n"
      "[CustomBt]\r\nBUTTON_UP=bar.bmp\r\nBUTTON_DOWN=bar.bmp\r\nBUTTON_LINK=about:blank\r\n");
  bar = ScreenRectOf(status_);
  EXPECT_EQ(bar.right - bar.left, kBarWidth);
  EXPECT_EQ(bar.bottom - bar.top, kBarHeight);
  region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(status_, region), ERROR) << "the built-in bar is not cut";
  DeleteObject(region);
  UseTheme("");
}

TEST_F(StatusBar, ADragMovesTheBarInsideTheWorkAreaAndIsRemembered) {
  const RECT start = ScreenRectOf(status_);
  PutCursor(status_, kGrip);
  PointerEvent(status_, WM_LBUTTONDOWN);
  SetCursorPos(start.left + kGrip.x - 300, start.top + kGrip.y - 200);
  SendMessageW(status_, WM_MOUSEMOVE, 0, 0);
  SendMessageW(status_, WM_LBUTTONUP, 0, 0);
  const RECT moved = ScreenRectOf(status_);
  EXPECT_EQ(moved.left, start.left - 300);
  EXPECT_EQ(moved.top, start.top - 200);
  EXPECT_EQ(SavedValue(L"APPSTATUS", L"ptstatusbar"),
            std::to_wstring(moved.left) + L"," + std::to_wstring(moved.top));
  // Past the right edge it stops there.
  PutCursor(status_, kGrip);
  PointerEvent(status_, WM_LBUTTONDOWN);
  SetCursorPos(WorkArea().right + 500, moved.top + kGrip.y);
  SendMessageW(status_, WM_MOUSEMOVE, 0, 0);
  SendMessageW(status_, WM_LBUTTONUP, 0, 0);
  EXPECT_EQ(ScreenRectOf(status_).right, WorkArea().right);
}

}  // namespace
}  // namespace kellavor::wine
