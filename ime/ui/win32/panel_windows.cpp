#include "ime/ui/win32/panel_windows.h"

#include <shellapi.h>

#include "ime/platform/file_system.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/utf8_file.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/ui/panel_layout.h"
#include "ime/ui/panel_placement.h"
#include "ime/ui/site_addresses.h"
#include "ime/ui/win32/panel_painter.h"
#include "ime/ui/win32/skin_bitmaps.h"
#include "ime/ui/win32/start_program.h"
#include "ime/ui/win32/viewer_command.h"

namespace kellavor::ui {

using platform::kCandidateWindowClass;
using platform::kCompositionWindowClass;

namespace {

// The panel buttons of the combined built-in skin: command, offset from the right edge, top.
struct PanelButtonPlace {
  uint16_t id;
  int rightOffset;
  int top;
};
constexpr PanelButtonPlace kPanelButtons[] = {{0, 30, 2}, {1, 16, 2}, {2, 52, 2}};
constexpr UINT kDetailTimer = 1000;
// The exchange file in the user folder and the viewer program in the install folder.
constexpr char16_t kDetailFileName[] = u"detail.html";
constexpr char16_t kViewerProgram[] = u"Nerovask.exe";

bool Exists(HWND window) { return window != nullptr && IsWindow(window); }

// Showing a window that is shown, or moving one to where it stands, still costs the window
// system a round trip: both are skipped.
void ShowWithoutActivating(HWND window) {
  if (!IsWindowVisible(window)) ShowWindow(window, SW_SHOWNOACTIVATE);
  InvalidateRect(window, nullptr, FALSE);
}

void Hide(HWND window) {
  if (Exists(window) && IsWindowVisible(window)) ShowWindow(window, SW_HIDE);
}

// Removing a region costs a round trip to the window system even when there is none.
bool HasRegion(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool has = GetWindowRgn(window, region) != ERROR;
  DeleteObject(region);
  return has;
}

PanelWindows* PanelOf(HWND window) { return reinterpret_cast<PanelWindows*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

ScreenRect ToScreenRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT WorkAreaAt(POINT point) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

ScreenSize SizeOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void MoveTo(HWND window, ScreenPoint at) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (rect.left == at.x && rect.top == at.y) return;
  SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TapKey(BYTE key) {
  keybd_event(key, 0, 0, 0);
  keybd_event(key, 0, KEYEVENTF_KEYUP, 0);
}

// The caret of the context, in screen coordinates, below which the composition window goes.
std::optional<POINT> CaretPoint(const INPUTCONTEXT& context) {
  POINT caret{};
  if (context.cfCompForm.dwStyle != 0) {
    caret = context.cfCompForm.ptCurrentPos;
  } else if (context.cfCandForm[0].dwStyle != 0) {
    caret = context.cfCandForm[0].ptCurrentPos;
  } else {
    return std::nullopt;
  }
  ClientToScreen(context.hWnd, &caret);
  ScreenSize letterZ;
  const LOGFONTW& font = context.lfFont.W;
  if (font.lfHeight == 0 && font.lfWidth == 0) {
    HDC dc = GetDC(context.hWnd);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Z", 1, &size);
    ReleaseDC(context.hWnd, dc);
    letterZ = {size.cx, size.cy};
  }
  const ScreenPoint below = PointBelowCaret({caret.x, caret.y}, font.lfHeight, font.lfWidth, letterZ);
  return POINT{below.x, below.y};
}

}  // namespace

PanelWindows::PanelWindows(HINSTANCE instance, core::InputPanel& panel, settings::ImeSettings& settings,
                           PanelFolders folders)
    : instance_(instance), panel_(panel), settings_(settings), folders_(std::move(folders)) {
  panel_.SetDetailLink(this);
}

PanelWindows::~PanelWindows() {
  panel_.SetDetailLink(nullptr);
  DestroyWindows();
  DropSkin();
}

void PanelWindows::LoadSkin() {
  loaded_ = ReadPanelSkin(instance_, settings_, folders_.themeFolder, loaded_.skin);
  skinCombined_ = settings_.iscomb != 0;
  skinVertical_ = settings_.showmode != 0;
  MakeButtons();
  fonts_.Create(settings_, loaded_.skin);
  skinLoaded_ = true;
}

void PanelWindows::DropSkin() {
  skinLoaded_ = false;
  arrangementValid_ = false;
  buttons_.clear();
  loaded_.Free();
  fonts_.Delete();
  for (HBITMAP* background : {&compositionBackground_, &candidateBackground_}) {
    if (*background != nullptr) DeleteObject(*background);
    *background = nullptr;
  }
}

void PanelWindows::MakeButtons() {
  if (!loaded_.skin.panelButtons || loaded_.bitmaps.size() < 5) return;
  for (size_t i = 0; i < 3; ++i) {
    HBITMAP image = loaded_.bitmaps[2 + i];
    buttons_.push_back(std::make_unique<Button>(POINT{0, kPanelButtons[i].top}, kPanelButtons[i].id, image, image, image));
  }
}

bool PanelWindows::SkinMatchesLayout() const {
  return skinCombined_ == (settings_.iscomb != 0) && skinVertical_ == (settings_.showmode != 0);
}

HWND PanelWindows::CreatePanelWindow(const wchar_t* className, HWND owner, POINT position) {
  HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, className, L"", WS_POPUP | WS_DISABLED, position.x, position.y, 1, 1,
                                owner, nullptr, instance_, nullptr);
  if (window == nullptr) return nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ShowWindow(window, SW_HIDE);
  return window;
}

void PanelWindows::CreateWindows(HWND uiWindow) {
  panel_.SetUiWindow(platform::ToWindowHandle(uiWindow));
  if (Exists(composition_)) return;
  composition_ =
      CreatePanelWindow(ClassName(kCompositionWindowClass), uiWindow, {settings_.ptcompbar[0], settings_.ptcompbar[1]});
  candidate_ = CreatePanelWindow(ClassName(kCandidateWindowClass), uiWindow, {0, 0});
  panel_.SetWindows(platform::ToWindowHandle(composition_), platform::ToWindowHandle(candidate_));
}

void PanelWindows::DestroyWindows() {
  if (Exists(composition_)) DestroyWindow(composition_);
  if (Exists(candidate_)) DestroyWindow(candidate_);
  Forget();
}

void PanelWindows::HideWindows() {
  if (Exists(composition_)) ShowWindow(composition_, SW_HIDE);
  if (Exists(candidate_)) ShowWindow(candidate_, SW_HIDE);
  SendViewerCommand(ViewerCommand::kHideViewer);
}

void PanelWindows::Forget() {
  composition_ = nullptr;
  candidate_ = nullptr;
  // The backgrounds belong to the windows' sizes; new windows start from 1 x 1.
  for (HBITMAP* background : {&compositionBackground_, &candidateBackground_}) {
    if (*background != nullptr) DeleteObject(*background);
    *background = nullptr;
  }
  dragging_ = false;
  panel_.SetWindows(nullptr, nullptr);
}

void PanelWindows::Resize(HWND window, ScreenSize size, HBITMAP source, const BarSkin& bar, HBITMAP& background) {
  const SIZE current{SizeOf(window).width, SizeOf(window).height};
  const bool changed = current.cx != size.width || current.cy != size.height;
  if (changed) {
    SetWindowPos(window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (!changed && background != nullptr) return;
  if (background != nullptr) DeleteObject(background);
  background = StretchSkin(source, bar.zoom, size.width, size.height);
  if (background != nullptr && bar.transparent) {
    SetWindowRgn(window, RegionFromBitmap(background, bar.keyColor), TRUE);
  } else if (HasRegion(window)) {
    SetWindowRgn(window, nullptr, TRUE);
  }
}

void PanelWindows::Layout() {
  if (!Exists(composition_)) return;
  if (!skinLoaded_ || !SkinMatchesLayout()) {
    DropSkin();
    LoadSkin();
  }
  const PanelSkin& skin = loaded_.skin;
  PanelPainter painter(panel_, settings_, skin, fonts_);
  HDC dc = GetDC(composition_);
  const ScreenSize line = painter.MeasureComposition(dc);
  arrangement_ = painter.MeasureCandidates(dc);
  arrangementValid_ = true;
  const ScreenSize area = arrangement_.area;
  ReleaseDC(composition_, dc);
  const ScreenSize compositionBitmap = BitmapSize(loaded_.composition());
  if (settings_.iscomb == 0) {
    Resize(composition_,
           CompositionWindowSize(line, skin.compositionMargins, skin.compositionBottomAligned, compositionBitmap),
           loaded_.composition(), skin.composition, compositionBackground_);
    Resize(candidate_,
           CandidateWindowSize(area, skin.candidateMargins, skin.candidateBottomAligned, BitmapSize(loaded_.candidate())),
           loaded_.candidate(), skin.candidate, candidateBackground_);
    return;
  }
  const ScreenSize size = CombinedWindowSize(line, skin.compositionMargins, skin.compositionBottomAligned, area,
                                             skin.candidateMargins, skin.candidateBottomAligned, compositionBitmap);
  Resize(composition_, size, loaded_.composition(), skin.composition, compositionBackground_);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->MoveTo(size.width - kPanelButtons[i].rightOffset, kPanelButtons[i].top);
  if (buttons_.size() >= 2) {
    buttons_[0]->SetVisible(panel_.CanPageUp());
    buttons_[1]->SetVisible(panel_.CanPageDown());
  }
}

void PanelWindows::Place(HWND uiWindow, int x, int y) {
  if (dragging_ || !Exists(composition_)) return;
  HIMC context = reinterpret_cast<HIMC>(GetWindowLongPtrW(uiWindow, IMMGWLP_IMC));
  INPUTCONTEXT* fields = context != nullptr ? ImmLockIMC(context) : nullptr;
  if (fields == nullptr) return;
  RECT composition{};
  GetWindowRect(composition_, &composition);
  POINT point{composition.left, composition.top};
  if (settings_.cursorfollow != 0) {
    if (x == -1 || y == -1) {
      if (const std::optional<POINT> caret = CaretPoint(*fields); caret.has_value()) {
        point = *caret;
      } else if (HWND status = platform::ToHwnd(panel_.StatusWindow()); Exists(status)) {
        RECT rect{};
        GetWindowRect(status, &rect);
        point = {rect.right, rect.top};
      }
    } else {
      point = {x, y};
    }
    point.y = SteadyTop(point.y, composition.top);
    const ScreenPoint at = ClampedPosition({point.x, point.y}, {}, SizeOf(composition_), ToScreenRect(WorkAreaAt(point)));
    MoveTo(composition_, at);
    settings_.ptcompbar = {point.x, point.y};
  }
  ImmUnlockIMC(context);
  if (settings_.iscomb != 0) return;
  GetWindowRect(composition_, &composition);
  // The monitor of the composition window's corner: the caret's, or the one it was dragged to.
  const POINT corner{composition.left, composition.top};
  const ScreenPoint at = CandidatePosition({point.x, point.y}, ToScreenRect(composition), SizeOf(candidate_),
                                           settings_.candtrend, ToScreenRect(WorkAreaAt(corner)));
  MoveTo(candidate_, at);
}

void PanelWindows::UpdateVisibility(HWND uiWindow) {
  if (!IsWindow(uiWindow)) return;
  if (!Exists(composition_)) CreateWindows(uiWindow);
  const bool hasCandidates = !panel_.Entries().empty();
  if (!hasCandidates && panel_.Composition().empty()) {
    Hide(composition_);
    Hide(candidate_);
    return;
  }
  ShowWithoutActivating(composition_);
  if (settings_.iscomb == 0 && hasCandidates) {
    ShowWithoutActivating(candidate_);
  } else {
    Hide(candidate_);
  }
}

void PanelWindows::ReloadTheme() {
  HWND uiWindow = Exists(composition_) ? GetWindow(composition_, GW_OWNER) : nullptr;
  DropSkin();
  for (HWND window : {composition_, candidate_}) {
    if (!Exists(window)) continue;
    SetWindowPos(window, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowRgn(window, nullptr, TRUE);
  }
  if (uiWindow != nullptr && IsWindow(uiWindow)) {
    Layout();
    Place(uiWindow, -1, -1);
  }
  for (HWND window : {composition_, candidate_}) {
    if (Exists(window)) InvalidateRect(window, nullptr, TRUE);
  }
}

int PanelWindows::ListThemes(std::vector<std::u16string>& paths, std::vector<std::u16string>& names) const {
  return ui::ListThemes(folders_.installFolder, folders_.userFolder, folders_.themeFolder, paths, names);
}

bool PanelWindows::ApplyTheme(const std::u16string& packagePath) const {
  return ui::ApplyTheme(folders_.installFolder, packagePath);
}

void PanelWindows::PaintWindow(HWND window, HDC dc) {
  if (!skinLoaded_) LoadSkin();
  const bool isComposition = window == composition_;
  const ScreenSize size = SizeOf(window);
  HBITMAP background = isComposition ? compositionBackground_ : candidateBackground_;
  if (background != nullptr) {
    DrawBitmap(dc, background, 0, 0, nullptr);
  } else {
    RECT all{0, 0, size.width, size.height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  const int mode = SetBkMode(dc, TRANSPARENT);
  PanelPainter painter(panel_, settings_, loaded_.skin, fonts_);
  if (isComposition) {
    painter.PaintComposition(dc, size.height);
    if (settings_.iscomb != 0) {
      compositionCells_ = painter.PaintCandidates(dc, size, arrangementValid_ ? &arrangement_ : nullptr);
      for (const auto& button : buttons_) button->Paint(dc);
    } else {
      compositionCells_.clear();
    }
  } else {
    candidateCells_ = painter.PaintCandidates(dc, size, arrangementValid_ ? &arrangement_ : nullptr);
    for (const auto& button : buttons_) button->Paint(dc);
  }
  SetBkMode(dc, mode);
}

void PanelWindows::PaintBuffered(HWND window) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(window, &paint);
  const ScreenSize size = SizeOf(window);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP buffer = CreateCompatibleBitmap(dc, std::max(size.width, 1), std::max(size.height, 1));
  HGDIOBJ previous = SelectObject(memory, buffer);
  PaintWindow(window, memory);
  BitBlt(dc, 0, 0, size.width, size.height, memory, 0, 0, SRCCOPY);
  SelectObject(memory, previous);
  DeleteObject(buffer);
  DeleteDC(memory);
  EndPaint(window, &paint);
}

bool PanelWindows::HitsButton(POINT client) const {
  for (const auto& button : buttons_) {
    if (IsStrictlyInside({client.x, client.y}, button->rect())) return true;
  }
  return false;
}

bool PanelWindows::HitsCandidate(HWND window, POINT client, bool selectOnRelease) {
  // In the separate layout the composition window holds no candidates.
  const std::vector<ScreenRect>& cells = window == composition_ ? compositionCells_ : candidateCells_;
  const std::optional<size_t> index = CandidateAt(cells, {client.x, client.y});
  if (!index.has_value()) return false;
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
  if (selectOnRelease && *index < 10) TapKey(static_cast<BYTE>(DigitKeyFor(*index)));
  return true;
}

void PanelWindows::RunCommand(WPARAM command) const {
  switch (command) {
    case 0: TapKey(VK_PRIOR); break;
    case 1: TapKey(VK_NEXT); break;
    case 2: {
      const std::u16string address = WordPageAddress(settings::SiteHostOrDefault(settings_.dicthost), panel_.Composition());
      ShellExecuteW(nullptr, L"Open", reinterpret_cast<const wchar_t*>(address.c_str()), L"", nullptr, SW_SHOW);
      break;
    }
    default: break;
  }
}

void PanelWindows::RestartDelay(platform::WindowHandle window) {
  HWND target = platform::ToHwnd(window);
  KillTimer(target, kDetailTimer);
  SetTimer(target, kDetailTimer, settings_.Detail_ShowDelay, nullptr);
}

void PanelWindows::CancelAndHide(platform::WindowHandle window) {
  KillTimer(platform::ToHwnd(window), kDetailTimer);
  SendViewerCommand(ViewerCommand::kHideViewer);
}

void PanelWindows::UpdateViewer() const {
  // Without a user folder there is no exchange file to write (a bare name would land in the
  // application's working folder). A file that cannot be written leaves the viewer the previous
  // word; it is asked all the same.
  if (!folders_.userFolder.empty()) platform::WriteUtf8File(folders_.userFolder + kDetailFileName, panel_.PendingDetail());
  if (!ViewerRuns() && platform::FileExists(folders_.installFolder + kViewerProgram)) {
    StartProgram(folders_.installFolder, kViewerProgram, u"", SW_SHOW);
  }
  SendViewerCommand(ViewerCommand::kShowWord);
}

LRESULT PanelWindows::HandleSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  POINT client{};
  GetCursorPos(&client);
  ScreenToClient(window, &client);
  const bool isComposition = window == composition_;
  switch (HIWORD(lParam)) {
    case WM_LBUTTONDOWN:
      SetCapture(window);
      if (HitsCandidate(window, client, false)) return 1;
      grab_ = client;
      SetCursor(LoadCursorW(nullptr, IDC_SIZEALL));
      dragging_ = true;
      return 1;
    case WM_RBUTTONUP:
      // The status bar's context menu belongs to the status bar's window, which opens it.
      if (isComposition) {
        if (HWND status = platform::ToHwnd(panel_.StatusWindow()); Exists(status)) {
          SendMessageW(status, platform::kWmImeUiMenu, 0, 0);
        }
        return 1;
      }
      break;
    case WM_RBUTTONDOWN:
      if (isComposition) return 1;
      break;
    default:
      break;
  }
  if (HitsCandidate(window, client, false) || HitsButton(client)) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return 1;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT PanelWindows::Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool isComposition = window == composition_;
  if (isComposition) {
    LRESULT consumed = 0;
    for (const auto& button : buttons_) consumed |= button->HandleMessage(window, message, wParam, lParam);
    if (consumed != 0) return consumed;
  }
  switch (message) {
    case WM_PAINT:
      PaintBuffered(window);
      return 0;
    case WM_PRINTCLIENT:
      PaintWindow(window, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SHOWWINDOW:
      if (wParam == 0) SendViewerCommand(ViewerCommand::kHideViewer);
      return 0;
    case WM_CLOSE:
    case WM_DESTROY:
      SendViewerCommand(ViewerCommand::kHideViewer);
      return 0;
    case WM_SETCURSOR:
      return HandleSetCursor(window, message, wParam, lParam);
    case WM_MOUSEMOVE: {
      if (dragging_) {
        POINT cursor{};
        GetCursorPos(&cursor);
        const ScreenPoint at = ClampedPosition({cursor.x, cursor.y}, {grab_.x, grab_.y}, SizeOf(window),
                                               ToScreenRect(WorkAreaAt(cursor)));
        MoveTo(window, at);
        if (isComposition) settings_.ptcompbar = {at.x, at.y};
        return 0;
      }
      HitsCandidate(window, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}, false);
      return 0;
    }
    case WM_LBUTTONUP: {
      ReleaseCapture();
      const POINT client{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (!HitsCandidate(window, client, true) && dragging_) {
        dragging_ = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      }
      return 0;
    }
    case WM_TIMER:
      if (wParam == kDetailTimer) {
        KillTimer(window, kDetailTimer);
        UpdateViewer();
      }
      return 0;
    case platform::kWmImeUiCommand:
      if (isComposition) RunCommand(wParam);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT CALLBACK PanelWindows::CompositionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  PanelWindows* panel = PanelOf(window);
  if (panel == nullptr || (window != panel->composition_ && window != panel->candidate_)) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return panel->Handle(window, message, wParam, lParam);
}

LRESULT CALLBACK PanelWindows::CandidateWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return CompositionWindowProc(window, message, wParam, lParam);
}

WindowProcedures PanelWindowProcedures() {
  return {&PanelWindows::CompositionWindowProc, &PanelWindows::CandidateWindowProc, nullptr};
}

}  // namespace kellavor::ui
