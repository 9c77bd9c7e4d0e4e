// The writer's one window: top-level, hidden, of class "Tessal_ExtWriteCl" and title
// "Tessal_ExtWriteWi", which the module finds by name and hands its requests to as copy-data
// messages. The answer is TRUE for a request carried out, FALSE for one refused. Learnings are
// saved to the user's file a little after the last one, and when the window closes (WM_CLOSE
// ends the program, which is how setup stops it).
#pragma once

#include <windows.h>

#include "ext_writer/request_performer.h"

namespace kellavor::ext_writer {

inline constexpr wchar_t kWriterClass[] = L"Tessal_ExtWriteCl";
inline constexpr wchar_t kWriterTitle[] = L"Tessal_ExtWriteWi";

// Creates the window for performer and dictionary, which must outlive it; null when it cannot be
// created. Processes of a lower integrity level may send it copy-data messages: they are the ones
// the writer is there for.
HWND CreateWriterWindow(HINSTANCE instance, RequestPerformer& performer, lexicon::UserDictionary& dictionary);

}  // namespace kellavor::ext_writer
