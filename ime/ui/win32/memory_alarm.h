// The one message the module ever shows: painted onto the foreground window when the shared user
// dictionary has no room left.
#pragma once

#include <string>

namespace kellavor::ui {

// Draws text at (x, y) into the foreground window, over whatever is there, until the window next
// repaints itself.
void ShowMemoryAlarm(const std::u16string& text, int x, int y);

}  // namespace kellavor::ui
