#include "ime/ui/win32/status_bar.h"

#include <array>

#include "ime/platform/call_guarded.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/settings/ini_file.h"
#include "ime/ui/win32/skin_bitmaps.h"
#include "ime/ui/win32/window_classes.h"
#include "ime/ui/win32/window_geometry.h"

namespace kellavor::ui {

namespace b = status_button;

namespace {

constexpr uint16_t kBuiltInBarBitmap = 109;
constexpr size_t kMaxThemePath = 255;

// The built-in bar's buttons, in creation order: id, left-top corner, normal, hover and pressed
// bitmap resources. The members of a group share one place.
struct BuiltInButton {
  uint16_t id;
  POINT position;
  uint16_t normal;
  uint16_t hover;
  uint16_t pressed;
};
constexpr BuiltInButton kBuiltInButtons[] = {
    {b::kPinyin, {35, 2}, 155, 154, 153},
    {b::kGerman, {35, 2}, 152, 151, 150},
    {b::kCaps, {35, 2}, 149, 148, 147},
    {b::kFullWidth, {56, 2}, 116, 111, 112},
    {b::kHalfWidth, {56, 2}, 119, 120, 121},
    {b::kPunctuationChinese, {76, 2}, 126, 125, 127},
    {b::kPunctuationWestern, {76, 2}, 122, 123, 124},
    {b::kSoftKeyboardOn, {96, 2}, 128, 130, 129},
    {b::kSoftKeyboardOff, {96, 2}, 131, 133, 132},
    {b::kOption, {124, 2}, 115, 117, 118},
};

// The theme's button groups, in creation order: the switch that creates the group and its
// members' sections with their ids.
struct ThemeButton {
  const char16_t* section;
  uint16_t id;
};
struct ThemeGroup {
  const char16_t* key;
  size_t count;
  std::array<ThemeButton, 3> buttons;
};
constexpr ThemeGroup kThemeGroups[] = {
    {u"LOGO_SHOW", 1, {{{u"LogoBt", b::kLogo}}}},
    {u"INPUT_MODE_SHOW", 3, {{{u"PinyinBt", b::kPinyin}, {u"EnglishBt", b::kGerman}, {u"CapsBt", b::kCaps}}}},
    {u"SOFTKBD_SHOW", 2, {{{u"SoftkbdOnBt", b::kSoftKeyboardOn}, {u"SoftkbdOffBt", b::kSoftKeyboardOff}}}},
    {u"QUAN_BAN_SHOW", 2, {{{u"QuanjiaoBt", b::kFullWidth}, {u"BanjiaoBt", b::kHalfWidth}}}},
    {u"BIAODIAN_SHOW", 2, {{{u"BiaodianCnBt", b::kPunctuationChinese}, {u"BiaodianEnBt", b::kPunctuationWestern}}}},
    {u"OPTION_SHOW", 1, {{{u"OptionBt", b::kOption}}}},
    {u"QUAN_SHUANG_SHOW", 2, {{{u"QuanPinBt", b::kFullPinyin}, {u"ShuangPinBt", b::kDoublePinyin}}}},
    {u"FAN_JIAN_SHOW", 2, {{{u"SimplifiedBt", b::kSimplified}, {u"TraditionalBt", b::kTraditional}}}},
};

const std::u16string kBarSection = u"StatusBar";

StatusBar* BarOf(HWND window) { return reinterpret_cast<StatusBar*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

}  // namespace

StatusBar::StatusBar(HINSTANCE instance, settings::ImeSettings& settings, core::InputPanel& panel, core::ImeCore& core,
                     SoftKeyboards& softKeyboards, StatusBarFolders folders)
    : instance_(instance),
      settings_(settings),
      panel_(panel),
      core_(core),
      softKeyboards_(softKeyboards),
      folders_(std::move(folders)) {}

StatusBar::~StatusBar() {
  CloseWindow();
  DropSkin();
}

// Skin ------------------------------------------------------------------------------------------

void StatusBar::ReadSkin() {
  if (skinRead_) return;
  if (settings_.usetheme == 0 || folders_.themeFolder.empty() || !ReadThemeSkin()) {
    DropSkin();
    ReadBuiltInSkin();
  }
  skinRead_ = true;
}

bool StatusBar::AddThemeButton(const std::u16string& section, uint16_t id) {
  settings::IniFile theme;
  theme.Load(folders_.themeFolder + u"theme.ini");
  const auto load = [&](const char16_t* key) -> HBITMAP {
    const std::optional<std::u16string> file = theme.ReadString(section, key);
    if (!file.has_value() || folders_.themeFolder.size() + file->size() > kMaxThemePath) return nullptr;
    HBITMAP image = LoadSkinImage(instance_, folders_.themeFolder + *file, 0);
    if (image != nullptr) images_.push_back(image);
    return image;
  };
  HBITMAP up = load(u"BUTTON_UP");
  if (up == nullptr) return false;
  HBITMAP down = load(u"BUTTON_DOWN");
  if (down == nullptr) return false;
  HBITMAP focus = load(u"BUTTON_FOCUS");
  std::array<int32_t, 2> position{};
  theme.ReadPair(section, u"BUTTON_POS", position, 0, 0);
  buttons_.push_back(std::make_unique<Button>(POINT{position[0], position[1]}, id, up, focus, down));
  return true;
}

bool StatusBar::ReadThemeSkin() {
  settings::IniFile theme;
  theme.Load(folders_.themeFolder + u"theme.ini");
  bool ok = false;
  if (const std::optional<std::u16string> image = theme.ReadString(kBarSection, u"TEMPLET");
      image.has_value() && folders_.themeFolder.size() + image->size() <= kMaxThemePath) {
    background_ = LoadSkinImage(instance_, folders_.themeFolder + *image, 0);
    if (background_ != nullptr) images_.push_back(background_);
  }
  cutToShape_ = (theme.ReadInt(kBarSection, u"TEMPLET_TRAN_ENABLE", 0) & 0xFF) != 0;
  keyColor_ = theme.ReadColor(kBarSection, u"TEMPLET_TRAN_COLOR", 0);
  if (background_ != nullptr) {
    ok = true;
    for (const ThemeGroup& group : kThemeGroups) {
      if ((theme.ReadInt(kBarSection, group.key, 0) & 0xFF) == 0) continue;
      // Within a group only the last member's outcome counts; a failed one ends the theme.
      bool last = false;
      for (size_t i = 0; i < group.count; ++i) last = AddThemeButton(group.buttons[i].section, group.buttons[i].id);
      if (!last) {
        ok = false;
        break;
      }
    }
    // The custom button is made after the count: a theme of nothing else still fails.
    ok = ok && !buttons_.empty();
  }
  if ((theme.ReadInt(kBarSection, u"CUSTOM_SHOW", 0) & 0xFF) != 0) {
    if (std::optional<std::u16string> link = theme.ReadString(u"CustomBt", u"BUTTON_LINK"); link.has_value()) {
      customKind_ = CustomKind::kLink;
      customTarget_ = *link;
    } else if (std::optional<std::u16string> program = theme.ReadString(u"CustomBt", u"BUTTON_APPL");
               program.has_value()) {
      customKind_ = CustomKind::kProgram;
      customTarget_ = *program;
    }
    AddThemeButton(u"CustomBt", b::kCustom);
  }
  return ok;
}

void StatusBar::ReadBuiltInSkin() {
  keyColor_ = RGB(0, 255, 0);
  cutToShape_ = false;
  background_ = LoadSkinImage(instance_, u"", kBuiltInBarBitmap);
  if (background_ != nullptr) images_.push_back(background_);
  for (const BuiltInButton& button : kBuiltInButtons) {
    HBITMAP images[3] = {};
    const uint16_t ids[3] = {button.normal, button.hover, button.pressed};
    for (size_t i = 0; i < 3; ++i) {
      images[i] = LoadSkinImage(instance_, u"", ids[i]);
      if (images[i] != nullptr) images_.push_back(images[i]);
    }
    buttons_.push_back(std::make_unique<Button>(button.position, button.id, images[0], images[1], images[2]));
  }
}

void StatusBar::DropSkin() {
  buttons_.clear();
  for (HBITMAP image : images_) DeleteObject(image);
  images_.clear();
  background_ = nullptr;
  customKind_ = CustomKind::kNone;
  customTarget_.clear();
  skinRead_ = false;
}

void StatusBar::ReloadTheme() {
  DropSkin();
  if (window_ == nullptr) return;
  ReadSkin();
  ResizeKeepPos(window_, 1, 1);
  SetWindowRgn(window_, nullptr, TRUE);
  Place();
  InvalidateRect(window_, nullptr, TRUE);
}

// Window ----------------------------------------------------------------------------------------

void StatusBar::OpenWindow(HWND owner) {
  if (window_ != nullptr && IsWindow(window_)) return;
  ReadSkin();
  window_ = CreateWindowExW(WS_EX_WINDOWEDGE, ClassName(platform::kStatusWindowClass), L"", WS_POPUP | WS_DISABLED, 0,
                            0, 1, 1, owner, nullptr, instance_, nullptr);
  if (window_ == nullptr) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  panel_.SetStatusWindow(platform::ToWindowHandle(window_));
  Place();
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void StatusBar::CloseWindow() {
  if (window_ != nullptr && IsWindow(window_)) {
    ShowWindow(window_, SW_HIDE);
    DestroyWindow(window_);
  }
  window_ = nullptr;
  dragging_ = false;
  panel_.SetStatusWindow(nullptr);
}

void StatusBar::Place() {
  if (window_ == nullptr) return;
  const ScreenSize size = background_ != nullptr ? BitmapSize(background_) : ScreenSize{1, 1};
  const RECT area = WorkArea();
  const StatusPlacement placement = PlaceStatusBar({settings_.ptstatusbar[0], settings_.ptstatusbar[1]}, size,
                                                   {area.left, area.top, area.right, area.bottom});
  if (placement.save.has_value()) settings_.ptstatusbar = {placement.save->x, placement.save->y};
  MoveKeepSize(window_, {placement.position.x, placement.position.y});
  ResizeKeepPos(window_, size.width, size.height);
  if (background_ != nullptr && cutToShape_) SetWindowRgn(window_, RegionFromBitmap(background_, keyColor_), TRUE);
}

void StatusBar::SetOpacity(uint8_t alpha) {
  if (window_ == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  if ((style & WS_EX_LAYERED) == 0) SetWindowLongPtrW(window_, GWL_EXSTYLE, style | WS_EX_LAYERED);
  // Looked up at run time: systems without layered windows still get the bar, opaque.
  using SetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user = LoadLibraryW(L"User32.DLL");
  if (user == nullptr) return;
  if (auto set = reinterpret_cast<SetLayered>(reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
      set != nullptr) {
    set(window_, 0, alpha, LWA_ALPHA);
  }
  FreeLibrary(user);
}

HIMC StatusBar::Context() const {
  HWND owner = window_ != nullptr ? GetWindow(window_, GW_OWNER) : nullptr;
  return owner != nullptr ? reinterpret_cast<HIMC>(GetWindowLongPtrW(owner, IMMGWLP_IMC)) : nullptr;
}

void StatusBar::RefreshButtons() {
  DWORD conversion = 0;
  DWORD sentence = 0;
  if (HIMC context = Context(); context == nullptr || !ImmGetConversionStatus(context, &conversion, &sentence)) {
    conversion = 0;
  }
  const StatusModes modes{conversion, (GetKeyState(VK_CAPITAL) & 1) != 0, settings_.inputmode, settings_.big5mode};
  for (const auto& button : buttons_) {
    if (const std::optional<bool> shown = StatusButtonShown(button->id(), modes); shown.has_value()) {
      button->SetVisible(*shown);
    }
  }
}

void StatusBar::PaintWindow(HDC dc) {
  RefreshButtons();
  HIMC context = Context();
  INPUTCONTEXT* fields = context != nullptr ? ImmLockIMC(context) : nullptr;
  if (fields == nullptr) return;
  if (background_ != nullptr) DrawBitmap(dc, background_, 0, 0, nullptr);
  for (const auto& button : buttons_) button->Paint(dc);
  ImmUnlockIMC(context);
}

LRESULT StatusBar::HandleSetCursor(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (HIWORD(lParam)) {
    case WM_LBUTTONDOWN: {
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(window_, &cursor);
      grab_ = cursor;
      SetCapture(window_);
      SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
      dragging_ = true;
      return 1;
    }
    case WM_RBUTTONUP:
      RunCommand(b::kOption);
      return 1;
    case WM_RBUTTONDOWN:
      return 1;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT StatusBar::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT consumed = 0;
  for (const auto& button : buttons_) consumed |= button->HandleMessage(window_, message, wParam, lParam);
  if (consumed != 0) return consumed;
  switch (message) {
    case WM_CREATE:
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_, &paint);
      PaintWindow(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintWindow(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETCURSOR:
      return HandleSetCursor(message, wParam, lParam);
    case WM_MOUSEMOVE:
      if (dragging_) {
        POINT cursor{};
        GetCursorPos(&cursor);
        MoveClamped(window_, cursor, grab_);
        const POINT corner = WindowTopLeft(window_);
        settings_.ptstatusbar = {corner.x, corner.y};
        InvalidateRect(window_, nullptr, TRUE);
      }
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      if (dragging_) {
        dragging_ = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      }
      return 0;
    case platform::kWmImeUiCommand:
      RunCommand(static_cast<uint32_t>(wParam));
      return 0;
    case platform::kWmImeUiMenu:
      RunCommand(b::kOption);
      return 0;
    case platform::kWmImeUiRepaint:
      InvalidateRect(window_, nullptr, TRUE);
      return 0;
    case platform::kWmImeUiSoftKbd: {
      DWORD conversion = 0;
      DWORD sentence = 0;
      HIMC context = Context();
      const bool on = context != nullptr && ImmGetConversionStatus(context, &conversion, &sentence) &&
                      (conversion & IME_CMODE_SOFTKBD) != 0;
      RunCommand(on ? b::kSoftKeyboardOn : b::kSoftKeyboardOff);
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK StatusBar::StatusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::CallGuarded<LRESULT>(0, [&]() -> LRESULT {
    StatusBar* bar = BarOf(window);
    if (bar == nullptr || bar->window_ != window) return DefWindowProcW(window, message, wParam, lParam);
    return bar->Handle(message, wParam, lParam);
  });
}

}  // namespace kellavor::ui
