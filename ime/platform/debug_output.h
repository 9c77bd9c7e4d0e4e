// The debugger output: one line at a time, as a debugger shows it.
#pragma once

namespace kellavor::platform {

// Windows: OutputDebugStringA. Elsewhere: standard error, only when KELLAVOR_DEBUG is set.
void OutputDebugLine(const char* line);

}  // namespace kellavor::platform
