// The input panel's two windows on screen: the composition window and the candidate window, owned
// by the UI window, created hidden and shown while the panel has something to show. The panel
// content (core::InputPanel) is what the engine fills; this is where it is put on screen.
#pragma once

#include <windows.h>

#include "ime/core/input_panel.h"
#include "ime/settings/ime_settings.h"
#include "ime/ui/win32/ui_window_parts.h"

namespace kellavor::ui {

class PanelWindows final : public InputPanelWindows {
 public:
  PanelWindows(HINSTANCE instance, core::InputPanel& panel, const settings::ImeSettings& settings)
      : instance_(instance), panel_(panel), settings_(settings) {}
  ~PanelWindows() override { DestroyWindows(); }
  PanelWindows(const PanelWindows&) = delete;
  PanelWindows& operator=(const PanelWindows&) = delete;

  void CreateWindows(HWND uiWindow) override;
  void DestroyWindows() override;
  void HideWindows() override;
  void UpdateVisibility(HWND uiWindow) override;
  // Sizing, placing and the skin come with the panel's painting; until then the windows keep the
  // size and place they were created with.
  void Layout() override {}
  void Place(HWND, int, int) override {}
  void ReloadTheme() override {}

  HWND composition() const { return composition_; }
  HWND candidate() const { return candidate_; }

 private:
  HWND CreatePanelWindow(const wchar_t* className, HWND owner, POINT position) const;
  void Forget();

  HINSTANCE instance_;
  core::InputPanel& panel_;
  const settings::ImeSettings& settings_;
  HWND composition_ = nullptr;
  HWND candidate_ = nullptr;
};

}  // namespace kellavor::ui
