// The module's side of the word-detail viewer as the panel drives it: a delay on one of the
// panel's windows, after which the pending document goes to the viewer, and the command that hides
// the viewer. The Windows panel implements it with a window timer and the viewer's message window.
#pragma once

#include "ime/platform/ime_port.h"

namespace kellavor::core {

class DetailViewerLink {
 public:
  virtual ~DetailViewerLink() = default;
  // (Re)starts the window's delay; when it runs out the viewer is given the pending document.
  virtual void RestartDelay(platform::WindowHandle window) = 0;
  // Stops the window's delay and tells the viewer there is nothing to show.
  virtual void CancelAndHide(platform::WindowHandle window) = 0;
};

}  // namespace kellavor::core
