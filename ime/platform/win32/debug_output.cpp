#include "ime/platform/debug_output.h"

#include <windows.h>

namespace kellavor::platform {

void OutputDebugLine(const char* line) { OutputDebugStringA(line); }

}  // namespace kellavor::platform
