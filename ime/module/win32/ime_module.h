// The module in one process: the objects (ModuleObjects) on the Win32 port, with the windows that
// show them, the external event window and the window classes; set up on the first call of the
// input-method manager and taken down when the module is unloaded.
#pragma once

#include <windows.h>

#include <memory>

#include "ime/module/module_objects.h"
#include "ime/module/module_paths.h"
#include "ime/module/win32/posted_task.h"
#include "ime/platform/win32/win32_input_method.h"
#include "ime/ui/win32/panel_windows.h"
#include "ime/ui/win32/soft_keyboards.h"
#include "ime/ui/win32/status_bar.h"
#include "ime/ui/win32/ui_window_parts.h"

namespace kellavor::module {

class ImeModule final {
 public:
  // In this order: the objects (user folder, settings, panel, dictionaries, engine), the panel's
  // windows, the soft keyboard, the status bar, the window classes. The external event window,
  // acting on the objects, follows when the thread next takes its posted messages: a top-level
  // window is the dearest part of a start, and nothing the application waits for needs it.
  // Nothing here fails the module: what cannot be set up is left out.
  explicit ImeModule(HINSTANCE instance);
  // Unregisters the classes and destroys the event window, then frees the panel's windows and the
  // objects (which save the settings and the user dictionary). When the process is ending its
  // windows go with it and are left alone.
  ~ImeModule();
  ImeModule(const ImeModule&) = delete;
  ImeModule& operator=(const ImeModule&) = delete;

  // Set before the module is taken down when the process is ending.
  void SetProcessEnding() { processEnding_ = true; }

  platform::InputMethodPort& port() { return port_; }
  core::ImeCore* core() { return &objects_.core(); }
  const ModulePaths& paths() const { return objects_.paths(); }

 private:
  HINSTANCE instance_;
  platform::Win32InputMethod port_;
  ModuleObjects objects_;
  ui::PanelWindows panelWindows_;
  ui::SoftKeyboards softKeyboards_;
  ui::StatusBar statusBar_;
  ui::UiWindowParts uiParts_;
  std::unique_ptr<PostedTask> eventWindow_;
  bool processEnding_ = false;
};

}  // namespace kellavor::module
