#include "tests/wine/window_picture.h"

#include <algorithm>
#include <cstdlib>

#include "tests/wine/png_file.h"

namespace kellavor::wine {

uint32_t Picture::At(int x, int y) const {
  return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

int Picture::Count(int left, int top, int right, int bottom, const std::function<bool(uint32_t)>& test) const {
  int count = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, height); ++y) {
    for (int x = std::max(left, 0); x < std::min(right, width); ++x) count += test(At(x, y)) ? 1 : 0;
  }
  return count;
}

Picture Render(HWND window, const std::filesystem::path& folder, const std::string& name) {
  RECT rect{};
  GetWindowRect(window, &rect);
  Picture picture{rect.right - rect.left, rect.bottom - rect.top, {}};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  picture.pixels.assign(first, first + static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
  for (uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  WritePng(folder / (name + ".png"), picture.width, picture.height, picture.pixels);
  return picture;
}

int Channel(uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

bool Tinted(uint32_t pixel, int shift) {
  int others = 0;
  for (int other : {0, 8, 16}) {
    if (other != shift) others = std::max(others, Channel(pixel, other));
  }
  return Channel(pixel, shift) - others > 60;
}

bool Near(uint32_t pixel, uint32_t color) {
  int distance = 0;
  for (int shift : {0, 8, 16}) distance += std::abs(Channel(pixel, shift) - Channel(color, shift));
  return distance < 60;
}

bool Dark(uint32_t pixel) { return ((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF) < 3 * 128; }

}  // namespace kellavor::wine
