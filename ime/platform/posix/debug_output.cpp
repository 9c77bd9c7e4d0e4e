#include "ime/platform/debug_output.h"

#include <cstdio>
#include <cstdlib>

namespace kellavor::platform {

void OutputDebugLine(const char* line) {
  static const bool enabled = std::getenv("KELLAVOR_DEBUG") != nullptr;
  if (enabled) std::fputs(line, stderr);
}

}  // namespace kellavor::platform
