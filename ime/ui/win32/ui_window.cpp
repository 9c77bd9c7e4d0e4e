#include "ime/ui/win32/ui_window.h"

#include "ime/platform/call_guarded.h"
#include "ime/platform/ime_messages.h"
#include "ime/platform/win32/handles.h"
#include "ime/platform/win32/imm_device.h"
#include "ime/ui/win32/ui_window_parts.h"
#include "ime/ui/win32/viewer_command.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::ui {

using platform::kWmImeUiPrepare;
using platform::kWmImeUiRefresh;

namespace {

// A context locked for the length of one message.
class ContextLock {
 public:
  explicit ContextLock(HIMC context) : context_(context), fields_(context != nullptr ? ImmLockIMC(context) : nullptr) {}
  ~ContextLock() {
    if (fields_ != nullptr) ImmUnlockIMC(context_);
  }
  ContextLock(const ContextLock&) = delete;
  ContextLock& operator=(const ContextLock&) = delete;

  INPUTCONTEXT* fields() const { return fields_; }

 private:
  HIMC context_;
  INPUTCONTEXT* fields_;
};

// Messages that mean nothing without a context.
bool NeedsContext(UINT message) {
  switch (message) {
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_NOTIFY:
    case WM_IME_CONTROL:
    case WM_IME_COMPOSITIONFULL:
    case WM_IME_SELECT:
    case WM_IME_CHAR:
      return true;
    default:
      return false;
  }
}

class UiWindow {
 public:
  UiWindow(HWND window, const UiWindowParts& parts)
      : window_(window), parts_(parts), context_(reinterpret_cast<HIMC>(GetWindowLongPtrW(window, IMMGWLP_IMC))) {}

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (context_ == nullptr && NeedsContext(message)) return 0;
    switch (message) {
      case WM_CREATE:
      case WM_IME_STARTCOMPOSITION:
      case WM_IME_COMPOSITION:
      case WM_IME_CONTROL:
      case WM_IME_COMPOSITIONFULL:
      case WM_IME_SELECT:
        return 0;
      case WM_IME_SETCONTEXT:
        SetContext(wParam != 0);
        return 0;
      case WM_IME_ENDCOMPOSITION:
        if (parts_.inputPanel != nullptr) {
          parts_.inputPanel->HideWindows();
          parts_.inputPanel->DestroyWindows();
        }
        return 0;
      case WM_IME_NOTIFY:
        Notify(wParam);
        return 0;
      case kWmImeUiRefresh:
        ShowPanel();
        return 0;
      case kWmImeUiPrepare:
        if (parts_.prepareFirstKey) parts_.prepareFirstKey();
        return 0;
      case WM_DESTROY:
        Destroy();
        return 0;
      default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
  }

 private:
  void SetContext(bool active) {
    // A context that cannot be locked is treated as no context: its windows are taken down.
    if (active && context_ != nullptr && Activate()) {
      SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
      if (parts_.prepareFirstKey) PostMessageW(window_, kWmImeUiPrepare, 0, 0);
      return;
    }
    Deactivate();
  }

  bool Activate() {
    ContextLock lock(context_);
    INPUTCONTEXT* fields = lock.fields();
    if (fields == nullptr) return false;
    fields->fOpen = TRUE;
    // The bar first: the soft keyboard is placed clear of it.
    OpenStatusWindow();
    if ((fields->fdwConversion & IME_CMODE_SOFTKBD) != 0 && parts_.softKeyboard != nullptr &&
        parts_.settings != nullptr) {
      parts_.softKeyboard->CreateSoftKeyboard(platform::ToWindowHandle(window_), parts_.settings->softkbdid);
    }
    ShowPanel();
    return true;
  }

  void Deactivate() {
    if (parts_.softKeyboard != nullptr && HasSoftKeyboardMode()) parts_.softKeyboard->DestroySoftKeyboard();
    if (parts_.statusBar != nullptr) parts_.statusBar->CloseWindow();
    if (parts_.inputPanel != nullptr) {
      parts_.inputPanel->HideWindows();
      parts_.inputPanel->DestroyWindows();
    }
  }

  bool HasSoftKeyboardMode() const {
    DWORD conversion = 0;
    DWORD sentence = 0;
    return context_ != nullptr && ImmGetConversionStatus(context_, &conversion, &sentence) &&
           (conversion & IME_CMODE_SOFTKBD) != 0;
  }

  void OpenStatusWindow() {
    if (parts_.statusBar == nullptr) return;
    parts_.statusBar->OpenWindow(window_);
    if (HWND status = parts_.statusBar->Window(); status != nullptr) ShowWindow(status, SW_SHOWNOACTIVATE);
    // The status window always exists while a context is active; showstatus 0 only makes it
    // fully transparent.
    const bool shown = parts_.settings == nullptr || parts_.settings->showstatus != 0;
    parts_.statusBar->SetOpacity(shown ? 255 : 0);
  }

  void ShowPanel() {
    if (parts_.inputPanel == nullptr) return;
    parts_.inputPanel->CreateWindows(window_);
    parts_.inputPanel->Layout();
    parts_.inputPanel->Place(window_, -1, -1);
    parts_.inputPanel->UpdateVisibility(window_);
  }

  void Notify(WPARAM notification) {
    ContextLock lock(context_);
    if (lock.fields() == nullptr) return;
    switch (notification) {
      case IMN_CLOSESTATUSWINDOW:
        if (parts_.statusBar != nullptr) parts_.statusBar->CloseWindow();
        break;
      case IMN_OPENSTATUSWINDOW:
        OpenStatusWindow();
        break;
      case IMN_SETCONVERSIONMODE:
      case IMN_SETOPENSTATUS:
        if (parts_.statusBar != nullptr && parts_.statusBar->Window() != nullptr) {
          InvalidateRect(parts_.statusBar->Window(), nullptr, TRUE);
        }
        break;
      case IMN_SETCANDIDATEPOS:
      case IMN_SETCOMPOSITIONWINDOW:
        if (parts_.inputPanel != nullptr) parts_.inputPanel->Place(window_, -1, -1);
        break;
      default:
        break;
    }
  }

  void Destroy() {
    if (parts_.statusBar != nullptr) parts_.statusBar->CloseWindow();
    if (parts_.inputPanel != nullptr) parts_.inputPanel->DestroyWindows();
    if (parts_.softKeyboard != nullptr) parts_.softKeyboard->DestroySoftKeyboard();
    SendViewerCommand(ViewerCommand::kUiClosed);
  }

  HWND window_;
  const UiWindowParts& parts_;
  HIMC context_;
};

}  // namespace

LRESULT CALLBACK UiWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::CallGuarded<LRESULT>(0, [&]() -> LRESULT {
    const UiWindowParts* parts = UiWindowPartsOf(window);
    if (parts == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return UiWindow(window, *parts).Handle(message, wParam, lParam);
  });
}

}  // namespace kellavor::ui
