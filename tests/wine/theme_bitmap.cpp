#include "tests/wine/theme_bitmap.h"

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <string>

namespace kellavor::wine {

void WriteThemeBitmap(const std::filesystem::path& file) {
  constexpr int kWidth = kThemeBitmapWidth;
  constexpr int kHeight = kThemeBitmapHeight;
  constexpr int kRow = kWidth * 3;
  std::string pixels;
  for (int y = kHeight - 1; y >= 0; --y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool corner = (x < 4 || x >= kWidth - 4) && (y < 4 || y >= kHeight - 4);
      const bool frame = x == 4 || y == 4 || x == kWidth - 5 || y == kHeight - 5;
      const uint32_t rgb = corner ? 0xFF00FF : frame ? 0x405060 : 0xFFF8E0;
      pixels += static_cast<char>(rgb & 0xFF);
      pixels += static_cast<char>((rgb >> 8) & 0xFF);
      pixels += static_cast<char>((rgb >> 16) & 0xFF);
    }
  }
  BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + pixels.size()), 0,
                          0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 24, BI_RGB, static_cast<DWORD>(kRow * kHeight),
                        2835, 2835, 0, 0};
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out << pixels;
}

}  // namespace kellavor::wine
