// One block of bytes handed to a top-level window of another program, found by its class and
// title (the platform's copy-data message).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kellavor::platform {

// Looks the window up and hands it dwData and the size bytes at data; returns once the window has
// handled them. False when no such window exists (nothing is sent) or the window did not answer.
// Windows: FindWindowW, then WM_COPYDATA with a COPYDATASTRUCT, wParam 0; a window that stays hung
// for 5 seconds is given up on, so that the calling program cannot hang with it. Natively the
// windows are simulated in-process: see copy_data_receiver.h.
bool SendCopyData(const std::u16string& className, const std::u16string& title, uintptr_t dwData,
                  const void* data, size_t size);

}  // namespace kellavor::platform
