#include "viewer/win32/detail_form.h"

#include <shellapi.h>

#include <algorithm>

#include "ime/platform/file_system.h"
#include "ime/platform/utf.h"
#include "viewer/lookup_rules.h"
#include "viewer/win32/picture_file.h"
#include "viewer/win32/title_bar.h"

namespace kellavor::viewer {
namespace {

constexpr UINT_PTR kFollowTimer = 1;
constexpr UINT kFollowMilliseconds = 500;
constexpr UINT kMenuClose = 1;
// Creation waits at most this long for the blank page.
constexpr DWORD kBlankPageMilliseconds = 5000;
constexpr int kPinSide = 18;
constexpr int kPinTop = 4;
constexpr int kPinRightDistance = 30;
constexpr POINT kClosePosition{254, 5};
constexpr int kCloseSide = 18;
constexpr int kCloseSymbolSide = 16;
constexpr COLORREF kKeyColour = RGB(255, 0, 255);

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

void DrawPicture(HDC dc, HBITMAP bitmap, int x, int y, int width, int height, bool keyed) {
  if (bitmap == nullptr || width <= 0 || height <= 0) return;
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ previous = SelectObject(source, bitmap);
  const SIZE size = BitmapSize(bitmap);
  if (keyed) {
    TransparentBlt(dc, x, y, width, height, source, 0, 0, size.cx, size.cy, kKeyColour);
  } else {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, x, y, width, height, source, 0, 0, size.cx, size.cy, SRCCOPY);
  }
  SelectObject(source, previous);
  DeleteDC(source);
}

bool Inside(const RECT& rect, POINT point) {
  return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

WorkArea CurrentWorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return {area.left, area.top, area.right, area.bottom};
}

LPCWSTR CursorId(DragCursor cursor) {
  switch (cursor) {
    case DragCursor::kSizeWe: return IDC_SIZEWE;
    case DragCursor::kSizeNs: return IDC_SIZENS;
    case DragCursor::kSizeNwse: return IDC_SIZENWSE;
    case DragCursor::kMove: break;
  }
  return IDC_SIZEALL;
}

void UseCursor(LPCWSTR id) { SetCursor(LoadCursorW(nullptr, id)); }

struct PlacementSearch {
  std::wstring targetClass;
  RECT target{};
  bool found = false;
};

BOOL CALLBACK FindTarget(HWND window, LPARAM parameter) {
  auto& search = *reinterpret_cast<PlacementSearch*>(parameter);
  wchar_t name[64];
  if (GetClassNameW(window, name, 64) == 0 || !IsWindowVisible(window)) return TRUE;
  if (search.targetClass != name) return TRUE;
  // Every visible target is looked at; the last one in enumeration order decides.
  GetWindowRect(window, &search.target);
  search.found = true;
  return TRUE;
}

}  // namespace

DetailForm::DetailForm(HINSTANCE instance, ViewerPaths paths)
    : instance_(instance), paths_(std::move(paths)), settings_(ReadFormSettings(paths_.settingsFile)) {}

DetailForm::~DetailForm() {
  if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
  for (HBITMAP bitmap : {background_, leftEnd_, rightEnd_, pinFollowing_, pinPinned_, close_}) {
    if (bitmap != nullptr) DeleteObject(bitmap);
  }
}

bool DetailForm::Create() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = instance_;
  windowClass.hbrBackground = GetSysColorBrush(COLOR_ACTIVEBORDER);
  windowClass.lpszClassName = kFormClassName;
  RegisterClassExW(&windowClass);
  // No taskbar button, always on top, and a click never takes the focus from the application
  // being typed in.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kFormClassName, kFormTitle,
                            WS_POPUP | WS_CLIPCHILDREN, 427, 291, 280, 300, nullptr, nullptr, instance_, this);
  if (window_ == nullptr) return false;
  LoadPictures();
  SetOpacity();
  SetWindowPos(window_, nullptr, settings_.left, settings_.top, settings_.width, settings_.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  if (browser_.Create(window_, *this)) {
    Layout();
    browser_.Navigate("about:blank");
    // Commands of the module are handled while the blank page loads.
    const DWORD start = GetTickCount();
    while (browser_.Busy() && GetTickCount() - start < kBlankPageMilliseconds) {
      MSG message;
      while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    handler_ = new TDocHostUIHandlerImpl();
    if (!browser_.SetUiHandler(handler_)) {
      handler_->Release();
      handler_ = nullptr;
    }
  }
  Layout();
  return true;
}

void DetailForm::LoadPictures() {
  const auto load = [&](int id) {
    return static_cast<HBITMAP>(LoadImageW(instance_, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  };
  background_ = load(kTitleBackgroundBitmap);
  leftEnd_ = load(kTitleLeftBitmap);
  rightEnd_ = load(kTitleRightBitmap);
  pinFollowing_ = load(kPinSideBitmap);
  pinPinned_ = load(kPinHeadOnBitmap);
  close_ = load(kCloseBitmap);
  if (settings_.useTheme) {
    const std::u16string image = ReadViewerString(paths_.themeFile, kViewerSection, u"image");
    const std::u16string path = paths_.themeFolder + image;
    if (!image.empty() && platform::FileExists(path)) {
      if (HBITMAP themed = LoadPictureFile(path)) {
        if (background_ != nullptr) DeleteObject(background_);
        background_ = themed;
      }
    }
  }
  if (const SIZE size = BitmapSize(background_); size.cx > 0) backgroundSize_ = size;
}

void DetailForm::SetOpacity() {
  SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
  HMODULE user = LoadLibraryW(L"User32.DLL");
  if (user == nullptr) return;
  using SetLayered = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  const auto setLayered = reinterpret_cast<SetLayered>(
      reinterpret_cast<void*>(GetProcAddress(user, "SetLayeredWindowAttributes")));
  if (setLayered != nullptr) setLayered(window_, 0, static_cast<BYTE>(settings_.transValue & 0xFF), LWA_ALPHA);
  FreeLibrary(user);
}

FormRect DetailForm::Bounds() const {
  RECT rect{};
  GetWindowRect(window_, &rect);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

RECT DetailForm::ElementRect(Element element) const {
  const FormRect form = Bounds();
  const int leftWidth = BitmapSize(leftEnd_).cx;
  const int rightWidth = BitmapSize(rightEnd_).cx;
  const int pinLeft = form.width - kPinSide - kPinRightDistance;
  switch (element) {
    case Element::kBackground: return {leftWidth, 0, form.width - rightWidth, backgroundSize_.cy};
    case Element::kLeftEnd: return {0, 0, leftWidth, BitmapSize(leftEnd_).cy};
    case Element::kRightEnd: return {form.width - rightWidth, 0, form.width, BitmapSize(rightEnd_).cy};
    case Element::kClose: return {kClosePosition.x, kClosePosition.y, kClosePosition.x + kCloseSide, kClosePosition.y + kCloseSide};
    case Element::kPinFollowing:
    case Element::kPinPinned: return {pinLeft, kPinTop, pinLeft + kPinSide, kPinTop + kPinSide};
    case Element::kBrowser: return {1, backgroundSize_.cy, form.width - 2, form.height - 2};
    case Element::kSurface: break;
  }
  return {0, 0, form.width, form.height};
}

DetailForm::Element DetailForm::ElementAt(POINT client) const {
  // Front to back: the buttons lie on the title bar.
  if (Inside(ElementRect(Element::kClose), client)) return Element::kClose;
  if (Inside(ElementRect(Element::kPinFollowing), client)) {
    return settings_.autoFollow ? Element::kPinFollowing : Element::kPinPinned;
  }
  for (Element element : {Element::kLeftEnd, Element::kRightEnd, Element::kBackground}) {
    if (Inside(ElementRect(element), client)) return element;
  }
  return Element::kSurface;
}

POINT DetailForm::InElement(POINT client, Element element) const {
  const RECT rect = ElementRect(element);
  return {client.x - rect.left, client.y - rect.top};
}

void DetailForm::Layout() {
  const RECT bounds = ElementRect(Element::kBrowser);
  browser_.SetBounds(bounds);
  InvalidateRect(window_, nullptr, FALSE);
}

void DetailForm::Paint(HDC dc) {
  const FormRect form = Bounds();
  RECT all{0, 0, form.width, form.height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_ACTIVEBORDER));
  const RECT background = ElementRect(Element::kBackground);
  DrawPicture(dc, background_, background.left, 0, background.right - background.left, backgroundSize_.cy, false);
  const RECT left = ElementRect(Element::kLeftEnd);
  DrawPicture(dc, leftEnd_, left.left, left.top, left.right - left.left, left.bottom - left.top, false);
  const RECT right = ElementRect(Element::kRightEnd);
  DrawPicture(dc, rightEnd_, right.left, right.top, right.right - right.left, right.bottom - right.top, false);
  const RECT pin = ElementRect(Element::kPinFollowing);
  DrawPicture(dc, settings_.autoFollow ? pinFollowing_ : pinPinned_, pin.left, pin.top, kPinSide, kPinSide, true);
  const int inset = (kCloseSide - kCloseSymbolSide) / 2;
  DrawPicture(dc, close_, kClosePosition.x + inset, kClosePosition.y + inset, kCloseSymbolSide, kCloseSymbolSide, true);
}

void DetailForm::Navigate(const std::string& url) { browser_.Navigate(url); }

bool DetailForm::IsVisible() const { return window_ != nullptr && IsWindowVisible(window_); }

void DetailForm::Show() {
  if (window_ == nullptr) return;
  SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void DetailForm::Hide() {
  if (window_ != nullptr) ShowWindow(window_, SW_HIDE);
}

void DetailForm::PlaceNextToIme() {
  PlacementSearch search;
  search.targetClass = settings_.combined ? L"KellavorIME_Comp" : L"KellavorIME_Cand";
  EnumWindows(FindTarget, reinterpret_cast<LPARAM>(&search));
  if (!search.found) return;
  const FormRect target{search.target.left, search.target.top, search.target.right - search.target.left,
                        search.target.bottom - search.target.top};
  const FormRect form = Bounds();
  const FormRect placed = PlaceBeside(form, target, settings_.vertical != 0, CurrentWorkArea());
  if (placed == form) return;
  SetWindowPos(window_, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DetailForm::StartFollowTimer() { SetTimer(window_, kFollowTimer, kFollowMilliseconds, nullptr); }

void DetailForm::StopFollowTimer() { KillTimer(window_, kFollowTimer); }

void DetailForm::ApplyToolWindowStyle() {
  SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

bool DetailForm::BeforeNavigate(const std::string& url) {
  switch (DecideNavigation(url, platform::Utf16ToUtf8(settings_.dictionaryHost))) {
    case Navigation::kProceed: return false;
    case Navigation::kOpenInBrowser: {
      const std::u16string address = platform::Utf8ToUtf16(url);
      ShellExecuteW(nullptr, L"open", reinterpret_cast<const wchar_t*>(address.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
      return true;
    }
    case Navigation::kCancel: break;
  }
  return true;
}

void DetailForm::NavigateComplete() {
  if (controller_ != nullptr) controller_->PageCompleted(browser_.DocumentSource());
}

void DetailForm::NavigateError() {
  // The page did not arrive: the document still holds the previous word's page, so its source
  // must not be read as this lookup's answer.
  if (controller_ != nullptr) controller_->PageCompleted({});
}

void DetailForm::SetPinned(bool pinned) {
  settings_.autoFollow = !pinned;
  if (pinned) {
    StopFollowTimer();
  } else {
    StartFollowTimer();
  }
  InvalidateRect(window_, nullptr, FALSE);
}

void DetailForm::ShowMenu(POINT client) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, kMenuClose, L"关闭");
  POINT screen = client;
  ClientToScreen(window_, &screen);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_, nullptr);
  DestroyMenu(menu);
  if (chosen == kMenuClose) PostMessageW(window_, WM_CLOSE, 0, 0);
}

void DetailForm::MouseDown(POINT client) {
  pressed_ = ElementAt(client);
  if (pressed_ != Element::kBackground && pressed_ != Element::kSurface) return;
  if (dragging_) return;
  const POINT at = InElement(client, pressed_);
  dragging_ = true;
  dragElement_ = pressed_;
  dragOrigin_ = at;
  SetCapture(window_);
  UseCursor(CursorId(CursorFor(zones_)));
}

void DetailForm::MouseMove(POINT client) {
  const FormRect form = Bounds();
  if (!dragging_) {
    const Element element = ElementAt(client);
    if (element != Element::kBackground && element != Element::kSurface) return;
    const POINT at = InElement(client, element);
    zones_ = ZonesAt(at.x, at.y, form.width, form.height);
    UseCursor(CursorId(CursorFor(zones_)));
    return;
  }
  const POINT at = InElement(client, dragElement_);
  const std::optional<FormRect> next = DragStep(form, zones_, dragOrigin_.x, dragOrigin_.y, at.x, at.y, CurrentWorkArea());
  if (zones_.right || zones_.bottom) {
    UseCursor(CursorId(CursorFor(zones_)));
    if (next.has_value()) {
      SetWindowPos(window_, nullptr, 0, 0, next->width, next->height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return;
  }
  if (!next.has_value()) return;
  SetWindowPos(window_, nullptr, next->left, next->top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Moved by hand: the form stops following until the next successful lookup or reshow.
  StopFollowTimer();
  UseCursor(IDC_SIZEALL);
}

void DetailForm::MouseUp(POINT client) {
  const Element released = ElementAt(client);
  if (dragging_) {
    dragging_ = false;
    zones_ = {};
    ReleaseCapture();
    UseCursor(IDC_ARROW);
  }
  if (released != pressed_) return;
  switch (released) {
    case Element::kClose: PostMessageW(window_, WM_CLOSE, 0, 0); break;
    case Element::kPinFollowing: SetPinned(true); break;
    case Element::kPinPinned: SetPinned(false); break;
    default: break;
  }
}

LRESULT CALLBACK DetailForm::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCCREATE) {
    auto* form = static_cast<DetailForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    form->window_ = window;
  }
  auto* form = reinterpret_cast<DetailForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  return form->Handle(message, wParam, lParam);
}

LRESULT DetailForm::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // Drawn into memory first, so that resizing does not flicker.
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window_, &paint);
      const FormRect form = Bounds();
      HDC memory = CreateCompatibleDC(dc);
      HBITMAP buffer = CreateCompatibleBitmap(dc, std::max(form.width, 1), std::max(form.height, 1));
      HGDIOBJ previous = SelectObject(memory, buffer);
      Paint(memory);
      BitBlt(dc, 0, 0, form.width, form.height, memory, 0, 0, SRCCOPY);
      SelectObject(memory, previous);
      DeleteObject(buffer);
      DeleteDC(memory);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETCURSOR: {
      POINT cursor{};
      GetCursorPos(&cursor);
      ScreenToClient(window_, &cursor);
      const Element element = ElementAt(cursor);
      if (element == Element::kClose || element == Element::kPinFollowing || element == Element::kPinPinned) {
        UseCursor(IDC_HAND);
        return TRUE;
      }
      if (element == Element::kBackground || element == Element::kSurface) return TRUE;
      break;
    }
    case WM_LBUTTONDOWN:
      MouseDown(client);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(client);
      return 0;
    case WM_LBUTTONUP:
      MouseUp(client);
      return 0;
    case WM_RBUTTONUP:
      if (ElementAt(client) == Element::kBackground) ShowMenu(client);
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_TIMER:
      if (wParam == kFollowTimer && !dragging_ && settings_.autoFollow && IsVisible()) PlaceNextToIme();
      return 0;
    case WM_DESTROY: {
      const FormRect form = Bounds();
      settings_.left = form.left;
      settings_.top = form.top;
      settings_.width = form.width;
      settings_.height = form.height;
      WriteFormSettings(paths_.settingsFile, settings_);
      StopFollowTimer();
      browser_.Destroy();
      if (handler_ != nullptr) handler_->Release();
      handler_ = nullptr;
      PostQuitMessage(0);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace kellavor::viewer
