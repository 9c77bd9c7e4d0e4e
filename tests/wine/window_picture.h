// A window of the module as a user sees it: painted into a bitmap (WM_PRINTCLIENT, the same
// painting as on screen), kept as a PNG file for looking at after the run, and read back pixel by
// pixel for the checks.
#pragma once

#include <windows.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kellavor::wine {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

  uint32_t At(int x, int y) const;
  // Pixels of the rectangle that satisfy the test.
  int Count(int left, int top, int right, int bottom, const std::function<bool(uint32_t)>& test) const;
};

// The window painted into a 32-bit bitmap, also written to folder / (name + ".png").
Picture Render(HWND window, const std::filesystem::path& folder, const std::string& name);

// Colour tests for smoothed text and skin pixels.
int Channel(uint32_t pixel, int shift);
// The channel (0 blue, 8 green, 16 red) stands out above the other two.
bool Tinted(uint32_t pixel, int shift);
bool Near(uint32_t pixel, uint32_t color);
bool Dark(uint32_t pixel);

}  // namespace kellavor::wine
