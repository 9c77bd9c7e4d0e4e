// The status bar: a small skinned window owned by the UI window that shows the modes of the active
// context (pinyin or German words, width, punctuation, soft keyboard, simplified or traditional
// output) as buttons that switch them, opens the context menu, and can be dragged anywhere; it
// remembers its corner in ptstatusbar. One per process; its window lives while a context is active.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ime/core/ime_core.h"
#include "ime/core/input_panel.h"
#include "ime/settings/ime_settings.h"
#include "ime/ui/status_bar_rules.h"
#include "ime/ui/win32/skin_button.h"
#include "ime/ui/win32/soft_keyboards.h"
#include "ime/ui/win32/ui_window_parts.h"

namespace kellavor::ui {

// Where the bar finds its theme, its programs and the settings file.
struct StatusBarFolders {
  std::u16string installFolder;
  std::u16string userFolder;
  std::u16string themeFolder;  // ends with a separator; empty: no theme folder
  std::u16string settingsFile;
};

class StatusBar final : public StatusBarWindow {
 public:
  // No window and no skin yet: the skin (the current theme's, or the built-in one) is read when
  // the window first opens, so that a process that never shows the bar never loads its images.
  StatusBar(HINSTANCE instance, settings::ImeSettings& settings, core::InputPanel& panel, core::ImeCore& core,
            SoftKeyboards& softKeyboards, StatusBarFolders folders);
  ~StatusBar() override;
  StatusBar(const StatusBar&) = delete;
  StatusBar& operator=(const StatusBar&) = delete;

  void OpenWindow(HWND owner) override;
  HWND Window() const override { return window_; }
  void CloseWindow() override;
  void SetOpacity(uint8_t alpha) override;
  void ReloadTheme() override;

  // Moves the window to its remembered corner, kept inside the work area, at the skin's size.
  void Place();
  // Shows of each button group the member naming the current mode.
  void RefreshButtons();
  // A button's or the menu's command, on the owner's context; nothing without one.
  void RunCommand(uint32_t id);

  // Paints the bar into the device context (also what WM_PRINTCLIENT does).
  void PaintWindow(HDC dc);

  static LRESULT CALLBACK StatusWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  enum class CustomKind : uint32_t { kNone = 0, kLink = 0x6C696E6B, kProgram = 0x6170706C };

  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleSetCursor(UINT message, WPARAM wParam, LPARAM lParam);
  // Reads the skin unless it is read already.
  void ReadSkin();
  bool ReadThemeSkin();
  void ReadBuiltInSkin();
  bool AddThemeButton(const std::u16string& section, uint16_t id);
  void DropSkin();
  HIMC Context() const;
  void Act(HIMC context, const StatusCommand& command);
  void FlipConversion(HIMC context, uint32_t flag);
  void ShowSoftKeyboard(HIMC context, uint32_t layout);
  void RunMenu();
  void OpenCustomTarget();
  void SaveSettings() const;

  HINSTANCE instance_;
  settings::ImeSettings& settings_;
  core::InputPanel& panel_;
  core::ImeCore& core_;
  SoftKeyboards& softKeyboards_;
  StatusBarFolders folders_;
  HWND window_ = nullptr;
  HBITMAP background_ = nullptr;
  std::vector<std::unique_ptr<Button>> buttons_;
  std::vector<HBITMAP> images_;
  COLORREF keyColor_ = RGB(0, 255, 0);
  bool cutToShape_ = false;
  bool skinRead_ = false;
  CustomKind customKind_ = CustomKind::kNone;
  std::u16string customTarget_;
  bool dragging_ = false;
  POINT grab_{};
};

}  // namespace kellavor::ui
