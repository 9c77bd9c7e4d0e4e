#include "ime/ui/win32/panel_windows.h"

#include "ime/platform/win32/handles.h"
#include "ime/ui/win32/viewer_command.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::ui {
namespace {

bool Exists(HWND window) { return window != nullptr && IsWindow(window); }

void ShowWithoutActivating(HWND window) {
  ShowWindow(window, SW_SHOWNOACTIVATE);
  InvalidateRect(window, nullptr, FALSE);
}

}  // namespace

HWND PanelWindows::CreatePanelWindow(const wchar_t* className, HWND owner, POINT position) const {
  HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, className, L"", WS_POPUP | WS_DISABLED, position.x, position.y, 1, 1,
                                owner, nullptr, instance_, nullptr);
  if (window != nullptr) ShowWindow(window, SW_HIDE);
  return window;
}

void PanelWindows::CreateWindows(HWND uiWindow) {
  panel_.SetUiWindow(platform::ToWindowHandle(uiWindow));
  if (Exists(composition_)) return;
  composition_ =
      CreatePanelWindow(ClassName(core::kCompositionWindowClass), uiWindow, {settings_.ptcompbar[0], settings_.ptcompbar[1]});
  candidate_ = CreatePanelWindow(ClassName(core::kCandidateWindowClass), uiWindow, {0, 0});
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

void PanelWindows::UpdateVisibility(HWND uiWindow) {
  if (!IsWindow(uiWindow)) return;
  if (!Exists(composition_)) CreateWindows(uiWindow);
  const bool hasCandidates = !panel_.Entries().empty();
  if (!hasCandidates && panel_.Composition().empty()) {
    if (Exists(composition_)) ShowWindow(composition_, SW_HIDE);
    if (Exists(candidate_)) ShowWindow(candidate_, SW_HIDE);
    return;
  }
  ShowWithoutActivating(composition_);
  if (settings_.iscomb == 0 && hasCandidates) {
    ShowWithoutActivating(candidate_);
  } else if (Exists(candidate_)) {
    ShowWindow(candidate_, SW_HIDE);
  }
}

void PanelWindows::Forget() {
  composition_ = nullptr;
  candidate_ = nullptr;
  panel_.SetWindows(nullptr, nullptr);
}

}  // namespace kellavor::ui
