#include "ime/ui/win32/viewer_command.h"

namespace kellavor::ui {
namespace {

constexpr UINT kViewerTimeoutMilliseconds = 2000;

}  // namespace

bool ViewerRuns() { return FindWindowW(kViewerClassName, kViewerWindowTitle) != nullptr; }

void SendViewerCommand(ViewerCommand command) {
  HWND viewer = FindWindowW(kViewerClassName, kViewerWindowTitle);
  if (viewer == nullptr) return;
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(viewer, kViewerCommandMessage, static_cast<WPARAM>(command), 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                      kViewerTimeoutMilliseconds, &answer);
}

}  // namespace kellavor::ui
