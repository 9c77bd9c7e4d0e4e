#include "ime/platform/file_fault_hook.h"

#include <algorithm>
#include <utility>

namespace kellavor::platform {

namespace {
FileFaultHook installedHook = nullptr;
}  // namespace

FileFaultHook SetFileFaultHook(FileFaultHook hook) { return std::exchange(installedHook, hook); }

void ReachFileFaultPoint(FileFaultPoint point) {
  if (installedHook != nullptr) installedHook(point);
}

size_t FaultPieceLimit(size_t length) {
  return installedHook == nullptr ? length : std::min(length, kFaultPieceBytes);
}

}  // namespace kellavor::platform
