// TFormDetail: the viewer's one window. Borderless, stay-on-top, never activated, with a title
// bar drawn from its pictures (two pins, a close button, a menu with one item) and the web-browser
// control below it. It follows the module's composition or candidate window unless pinned, moves
// and resizes by its title bar and border, and keeps its place, size, opacity and pin state in
// config.ini.
#pragma once

#include <windows.h>

#include <string>

#include "viewer/form_geometry.h"
#include "viewer/viewer_controller.h"
#include "viewer/viewer_settings.h"
#include "viewer/win32/browser_host.h"
#include "viewer/win32/doc_host_ui_handler.h"

namespace kellavor::viewer {

inline constexpr wchar_t kFormClassName[] = L"KellavorIME_DetailForm";
inline constexpr wchar_t kFormTitle[] = L"详细解释窗口";

class DetailForm final : public FormPort, public BrowserEvents {
 public:
  // Reads the form's settings from config.ini; the window is made by Create.
  DetailForm(HINSTANCE instance, ViewerPaths paths);
  ~DetailForm() override;
  DetailForm(const DetailForm&) = delete;
  DetailForm& operator=(const DetailForm&) = delete;

  const FormSettings& settings() const { return settings_; }
  // Where completed pages are reported.
  void SetController(ViewerController* controller) { controller_ = controller; }

  // Makes the window with its styles, pictures, size and place, then the browser on a blank page
  // with the host handler. False when the window could not be made.
  bool Create();
  HWND window() const { return window_; }

  // FormPort
  void Navigate(const std::string& url) override;
  bool IsVisible() const override;
  void Show() override;
  void Hide() override;
  void PlaceNextToIme() override;
  void StartFollowTimer() override;
  void StopFollowTimer() override;
  bool AutoFollow() const override { return settings_.autoFollow; }
  void ApplyToolWindowStyle() override;

  // BrowserEvents
  bool BeforeNavigate(const std::string& url) override;
  void NavigateComplete() override;
  void NavigateError() override;

 private:
  // The parts of the form a pointer can be over.
  enum class Element { kSurface, kBackground, kLeftEnd, kRightEnd, kClose, kPinFollowing, kPinPinned, kBrowser };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void LoadPictures();
  void SetOpacity();
  FormRect Bounds() const;
  RECT ElementRect(Element element) const;
  Element ElementAt(POINT client) const;
  // The client point in the coordinates of the element (the background or the form's surface).
  POINT InElement(POINT client, Element element) const;
  void Layout();
  void Paint(HDC dc);
  void MouseDown(POINT client);
  void MouseMove(POINT client);
  void MouseUp(POINT client);
  void SetPinned(bool pinned);
  void ShowMenu(POINT client);

  HINSTANCE instance_;
  ViewerPaths paths_;
  FormSettings settings_;
  ViewerController* controller_ = nullptr;
  HWND window_ = nullptr;
  BrowserHost browser_;
  TDocHostUIHandlerImpl* handler_ = nullptr;
  HBITMAP background_ = nullptr;
  HBITMAP leftEnd_ = nullptr;
  HBITMAP rightEnd_ = nullptr;
  HBITMAP pinFollowing_ = nullptr;
  HBITMAP pinPinned_ = nullptr;
  HBITMAP close_ = nullptr;
  SIZE backgroundSize_{213, 26};
  bool dragging_ = false;
  Element dragElement_ = Element::kSurface;
  POINT dragOrigin_{};
  Zones zones_;
  Element pressed_ = Element::kSurface;
};

}  // namespace kellavor::viewer
