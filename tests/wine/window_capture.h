// A window of this or another process painted into a bitmap and kept as a PNG file, for the
// programs' tests: the pixels, 0x00RRGGBB, top row first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kellavor::wine {

struct CapturedWindow {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

// printClient: the window paints its client area (WM_PRINTCLIENT), as the module's panel windows
// do; otherwise the window's place on the screen is copied (a window of another process can paint
// into no device context of this one). Written to file unless it is empty.
CapturedWindow CaptureWindow(HWND window, bool printClient, const std::filesystem::path& file);

}  // namespace kellavor::wine
