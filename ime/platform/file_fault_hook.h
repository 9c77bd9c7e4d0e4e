// A test's way into the file writes: a hook called at every point of WriteWholeFile and
// ReplaceFileWith where a process that dies leaves a file behind as it stands. A test stops the
// process at one of them to see what a crash there leaves on disk. Without a hook the writes run
// as usual.
#pragma once

#include <cstddef>

namespace kellavor::platform {

enum class FileFaultPoint {
  kCreate,   // before the file is created or truncated
  kWrite,    // before each piece of the bytes
  kFlush,    // every byte written, before the flush to the disk
  kReplace,  // before the file is put in place of another
  kReplaced, // after it was put in place
};

using FileFaultHook = void (*)(FileFaultPoint point);

// With a hook the bytes of a write go in pieces of this size, each after its own point.
inline constexpr size_t kFaultPieceBytes = 64;

// Installs the hook (nullptr removes it); returns the previous one.
FileFaultHook SetFileFaultHook(FileFaultHook hook);

// For the file layer: calls the hook, if any, at the point.
void ReachFileFaultPoint(FileFaultPoint point);

// The largest piece to write next: everything without a hook, kFaultPieceBytes with one.
size_t FaultPieceLimit(size_t length);

}  // namespace kellavor::platform
