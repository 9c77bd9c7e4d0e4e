// The input panel's two windows on screen: the composition window and the candidate window, owned
// by the UI window, created hidden and shown while the panel has something to show. The panel
// content (core::InputPanel) is what the engine fills; this is where it is sized to its skin,
// placed beside the caret, painted, and where the pointer selects, drags and pages.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ime/core/detail_viewer_link.h"
#include "ime/core/input_panel.h"
#include "ime/settings/ime_settings.h"
#include "ime/ui/panel_layout.h"
#include "ime/ui/panel_skin.h"
#include "ime/ui/win32/panel_fonts.h"
#include "ime/ui/win32/skin_button.h"
#include "ime/ui/win32/theme_files.h"
#include "ime/ui/win32/ui_window_parts.h"
#include "ime/ui/win32/window_classes.h"

namespace kellavor::ui {

// Where the panel finds its theme: the current theme folder (ending with a separator) and the
// folders whose "themes" folders hold the packages.
struct PanelFolders {
  std::u16string installFolder;
  std::u16string userFolder;
  std::u16string themeFolder;
};

class PanelWindows final : public InputPanelWindows, public core::DetailViewerLink {
 public:
  PanelWindows(HINSTANCE instance, core::InputPanel& panel, settings::ImeSettings& settings,
               PanelFolders folders = {});
  ~PanelWindows() override;
  PanelWindows(const PanelWindows&) = delete;
  PanelWindows& operator=(const PanelWindows&) = delete;

  void CreateWindows(HWND uiWindow) override;
  void DestroyWindows() override;
  void HideWindows() override;
  void Layout() override;
  void Place(HWND uiWindow, int x, int y) override;
  void UpdateVisibility(HWND uiWindow) override;
  void ReloadTheme() override;

  // The viewer link: the delay is timer kDetailTimer of the window, its period Detail_ShowDelay.
  void RestartDelay(platform::WindowHandle window) override;
  void CancelAndHide(platform::WindowHandle window) override;

  // The installed theme packages and the switch to another (see theme_files.h).
  int ListThemes(std::vector<std::u16string>& paths, std::vector<std::u16string>& names) const;
  bool ApplyTheme(const std::u16string& packagePath) const;

  HWND composition() const { return composition_; }
  HWND candidate() const { return candidate_; }
  const PanelSkin& skin() const { return loaded_.skin; }
  const std::vector<std::unique_ptr<Button>>& buttons() const { return buttons_; }

  // Paints a window's whole content into the device context (also what WM_PRINTCLIENT does).
  void PaintWindow(HWND window, HDC dc);

  // The window procedures of the composition and candidate classes.
  static LRESULT CALLBACK CompositionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK CandidateWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  HWND CreatePanelWindow(const wchar_t* className, HWND owner, POINT position);
  void Forget();
  void LoadSkin();
  void DropSkin();
  void MakeButtons();
  bool SkinMatchesLayout() const;
  void Resize(HWND window, ScreenSize size, HBITMAP source, const BarSkin& bar, HBITMAP& background);
  LRESULT Handle(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleSetCursor(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool HitsCandidate(HWND window, POINT client, bool selectOnRelease);
  bool HitsButton(POINT client) const;
  void RunCommand(WPARAM command) const;
  // When the delay has run out: writes the pending document to the exchange file, starts the
  // viewer from the install folder if it is not running and tells it to show the word.
  void UpdateViewer() const;
  void PaintBuffered(HWND window);

  HINSTANCE instance_;
  core::InputPanel& panel_;
  settings::ImeSettings& settings_;
  PanelFolders folders_;
  HWND composition_ = nullptr;
  HWND candidate_ = nullptr;
  // The skin and the fonts are read when the windows are first laid out or painted, not when the
  // module starts: most processes never show the panel.
  LoadedSkin loaded_;
  bool skinLoaded_ = false;
  bool skinCombined_ = false;
  bool skinVertical_ = false;
  PanelFonts fonts_;
  std::vector<std::unique_ptr<Button>> buttons_;
  HBITMAP compositionBackground_ = nullptr;
  HBITMAP candidateBackground_ = nullptr;
  // The candidates as the last layout measured them; the engine lays the panel out after every
  // change of its content, so painting need not measure them again.
  CandidateArrangement arrangement_;
  bool arrangementValid_ = false;
  std::vector<ScreenRect> compositionCells_;
  std::vector<ScreenRect> candidateCells_;
  bool dragging_ = false;
  POINT grab_{};
};

// The procedures to register the composition and candidate classes with.
WindowProcedures PanelWindowProcedures();

}  // namespace kellavor::ui
