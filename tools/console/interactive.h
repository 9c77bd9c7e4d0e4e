// The interactive console: the session on a terminal in raw mode, redrawn after every key.
#pragma once

#include "tools/console/console_session.h"

namespace kellavor::console {

// Runs until Ctrl+C, Ctrl+D or the end of input.
void RunInteractive(ConsoleSession& session);

// The screen for the session's state: the mode, the composition with its caret, the numbered page
// with the highlight and the hints, the text committed so far and the keys to know.
std::string Screen(const ConsoleSession& session, const KeyStep* last);

}  // namespace kellavor::console
