#include "ime/ui/win32/soft_keyboards.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "ime/core/soft_keyboard_layouts.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/ui/soft_keyboard_grid.h"
#include "ime/ui/status_bar_rules.h"
#include "ime/ui/win32/window_geometry.h"

namespace kellavor::ui {
namespace {

constexpr COLORREF kFace = RGB(242, 246, 252);
constexpr COLORREF kFrame = RGB(150, 165, 190);
constexpr COLORREF kKeyFace = RGB(255, 255, 255);
constexpr COLORREF kCharacter = RGB(20, 30, 50);
constexpr COLORREF kShifted = RGB(110, 120, 140);

// The two tables of the layout by virtual key, as the manager's keyboard takes them: without
// Shift, then with Shift.
std::vector<BYTE> KeyboardData(uint32_t layout) {
  std::vector<BYTE> bytes(sizeof(UINT) + 2 * 256 * sizeof(WORD));
  auto* data = reinterpret_cast<SOFTKBDDATA*>(bytes.data());
  data->uCount = 2;
  WORD* tables = data->wCode[0];
  for (UINT key = 0; key < 256; ++key) {
    if (!core::IsSoftKeyboardKey(key)) continue;
    tables[key] = core::SoftKeyCharacter(layout, key, false);
    tables[256 + key] = core::SoftKeyCharacter(layout, key, true);
  }
  return bytes;
}

// What the module's own keyboard window keeps: the tables it was sent and its fonts.
struct OwnKeyboard {
  std::array<WORD, 256> plain{};
  std::array<WORD, 256> shifted{};
  HFONT large = nullptr;
  HFONT small = nullptr;
  ~OwnKeyboard() {
    if (large != nullptr) DeleteObject(large);
    if (small != nullptr) DeleteObject(small);
  }
};

OwnKeyboard* KeyboardOf(HWND window) { return reinterpret_cast<OwnKeyboard*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

HFONT KeyFont(int height, int weight) {
  return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH, L"宋体");
}

void DrawCharacter(HDC dc, WORD character, RECT area, UINT format) {
  if (character == 0 || character == u' ') return;
  const wchar_t text[2] = {static_cast<wchar_t>(character), 0};
  DrawTextW(dc, text, 1, &area, format | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintKeyboard(HWND window, HDC dc) {
  const OwnKeyboard* keyboard = KeyboardOf(window);
  const ScreenSize size = SoftKeyboardGridSize();
  HBRUSH face = CreateSolidBrush(kFace);
  HBRUSH keyFace = CreateSolidBrush(kKeyFace);
  HPEN frame = CreatePen(PS_SOLID, 1, kFrame);
  const RECT all{0, 0, size.width, size.height};
  FillRect(dc, &all, face);
  HGDIOBJ previousPen = SelectObject(dc, frame);
  HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 0, 0, size.width, size.height);
  SelectObject(dc, keyFace);
  SetBkMode(dc, TRANSPARENT);
  for (const KeyCell& cell : SoftKeyboardCells()) {
    const RECT key{cell.rect.left, cell.rect.top, cell.rect.right, cell.rect.bottom};
    RoundRect(dc, key.left, key.top, key.right, key.bottom, 5, 5);
    if (keyboard == nullptr) continue;
    SelectObject(dc, keyboard->small);
    SetTextColor(dc, kShifted);
    DrawCharacter(dc, keyboard->shifted[cell.virtualKey], {key.left + 3, key.top + 1, key.right - 2, key.top + 14},
                  DT_LEFT | DT_TOP);
    SelectObject(dc, keyboard->large);
    SetTextColor(dc, kCharacter);
    DrawCharacter(dc, keyboard->plain[cell.virtualKey], {key.left + 1, key.top + 10, key.right - 1, key.bottom - 1},
                  DT_CENTER | DT_VCENTER);
  }
  SelectObject(dc, previousBrush);
  SelectObject(dc, previousPen);
  DeleteObject(frame);
  DeleteObject(keyFace);
  DeleteObject(face);
}

void TapKey(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

}  // namespace

SoftKeyboards::SoftKeyboards(HINSTANCE instance, const core::InputPanel& panel) : instance_(instance), panel_(panel) {}

SoftKeyboards::~SoftKeyboards() {
  DestroySoftKeyboard();
  if (classRegistered_) UnregisterClassW(kSoftKeyboardClass, instance_);
}

void SoftKeyboards::DestroySoftKeyboard() {
  if (window_ != nullptr && IsWindow(window_)) {
    if (own_) {
      DestroyWindow(window_);
    } else {
      ImmDestroySoftKeyboard(window_);
    }
  }
  window_ = nullptr;
  own_ = false;
}

HWND SoftKeyboards::CreateOwnKeyboard(HWND owner) {
  if (!classRegistered_) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_IME;
    windowClass.lpfnWndProc = &OwnKeyboardProc;
    windowClass.hInstance = instance_;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kSoftKeyboardClass;
    classRegistered_ = RegisterClassExW(&windowClass) != 0;
  }
  const ScreenSize size = SoftKeyboardGridSize();
  return CreateWindowExW(WS_EX_WINDOWEDGE | WS_EX_TOOLWINDOW, kSoftKeyboardClass, L"", WS_POPUP | WS_DISABLED, 0, 0,
                         size.width, size.height, owner, nullptr, instance_, nullptr);
}

void SoftKeyboards::CreateSoftKeyboard(platform::WindowHandle ownerHandle, uint32_t layout) {
  HWND owner = platform::ToHwnd(ownerHandle);
  if (owner == nullptr) return;
  DestroySoftKeyboard();
  window_ = ImmCreateSoftKeyboard(SOFTKEYBOARD_TYPE_C1, owner, 0, 0);
  own_ = window_ == nullptr;
  if (own_) window_ = CreateOwnKeyboard(owner);
  if (window_ == nullptr) return;

  const SIZE size = WindowSize(window_);
  std::optional<ScreenRect> statusBar;
  if (HWND status = platform::ToHwnd(panel_.StatusWindow()); status != nullptr && IsWindow(status)) {
    RECT rect{};
    GetWindowRect(status, &rect);
    statusBar = ScreenRect{rect.left, rect.top, rect.right, rect.bottom};
  }
  const RECT area = WorkArea();
  const ScreenPoint at =
      PlaceSoftKeyboard({size.cx, size.cy}, {area.left, area.top, area.right, area.bottom}, statusBar);
  SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  std::vector<BYTE> data = KeyboardData(layout);
  SendMessageW(window_, WM_IME_CONTROL, IMC_SETSOFTKBDDATA, reinterpret_cast<LPARAM>(data.data()));
  if (own_) {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
  } else {
    ImmShowSoftKeyboard(window_, SW_SHOWNOACTIVATE);
  }
}

LRESULT CALLBACK SoftKeyboards::OwnKeyboardProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      auto keyboard = std::make_unique<OwnKeyboard>();
      keyboard->large = KeyFont(16, FW_NORMAL);
      keyboard->small = KeyFont(10, FW_NORMAL);
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(keyboard.release()));
      return 0;
    }
    case WM_NCDESTROY:
      delete KeyboardOf(window);
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      return 0;
    case WM_IME_CONTROL:
      if (wParam == IMC_SETSOFTKBDDATA && lParam != 0 && KeyboardOf(window) != nullptr) {
        const auto* data = reinterpret_cast<const SOFTKBDDATA*>(lParam);
        OwnKeyboard& keyboard = *KeyboardOf(window);
        keyboard.plain.fill(0);
        keyboard.shifted.fill(0);
        const WORD* tables = data->wCode[0];
        if (data->uCount >= 1) std::copy(tables, tables + 256, keyboard.plain.begin());
        if (data->uCount >= 2) std::copy(tables + 256, tables + 512, keyboard.shifted.begin());
        InvalidateRect(window, nullptr, TRUE);
      }
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      PaintKeyboard(window, dc);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      PaintKeyboard(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      // The window is disabled, as the module's other windows: a click is seen here. It types the
      // key, which the module then takes like one from the keyboard.
      if (HIWORD(lParam) == WM_LBUTTONUP) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        if (const std::optional<uint8_t> key = SoftKeyAt({cursor.x, cursor.y}); key.has_value()) TapKey(*key);
      }
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace kellavor::ui
