// Commands to the word-detail viewer, a program of its own found by its window's class and title.
#pragma once

#include <windows.h>

namespace kellavor::ui {

inline constexpr wchar_t kViewerClassName[] = L"KellavorIME_DETAIL_UI_CLASS";
inline constexpr wchar_t kViewerWindowTitle[] = L"KellavorIME_Nerovask";
inline constexpr UINT kViewerCommandMessage = WM_APP + 1;

enum class ViewerCommand : WPARAM {
  kShowWord = 1,    // read the exchange file and show the word
  kHideViewer = 2,  // nothing to show
  kUiClosed = 3,    // a UI window of the module went away
};

// Sends the command when the viewer's window exists; nothing otherwise. A viewer that does not
// answer is given up on rather than waited for: the module runs inside the user's application.
void SendViewerCommand(ViewerCommand command);

// Whether the viewer's window exists.
bool ViewerRuns();

}  // namespace kellavor::ui
