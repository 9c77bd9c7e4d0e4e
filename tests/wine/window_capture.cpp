#include "tests/wine/window_capture.h"

#include "tests/wine/png_file.h"

namespace kellavor::wine {

CapturedWindow CaptureWindow(HWND window, bool printClient, const std::filesystem::path& file) {
  RECT rect{};
  GetWindowRect(window, &rect);
  CapturedWindow captured{rect.right - rect.left, rect.bottom - rect.top, {}};
  if (captured.width <= 0 || captured.height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), captured.width, -captured.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  if (printClient) {
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  } else {
    HDC screen = GetDC(nullptr);
    BitBlt(memory, 0, 0, captured.width, captured.height, screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  }
  GdiFlush();
  const auto* first = static_cast<const uint32_t*>(bits);
  captured.pixels.assign(first, first + static_cast<size_t>(captured.width) * static_cast<size_t>(captured.height));
  for (uint32_t& pixel : captured.pixels) pixel &= 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  if (!file.empty()) WritePng(file, captured.width, captured.height, captured.pixels);
  return captured;
}

}  // namespace kellavor::wine
