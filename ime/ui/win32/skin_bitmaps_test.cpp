// The skin's bitmap operations on real bitmaps: the three-slice stretch keeps its margins, and the
// key colour is cut out of a window shape that takes three batches of rectangles to build.
#include "ime/ui/win32/skin_bitmaps.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

namespace kellavor::ui {
namespace {

constexpr COLORREF kKey = RGB(255, 0, 255);

HBITMAP Painted(int width, int height, const std::function<COLORREF(int, int)>& colour) {
  HDC screen = GetDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) SetPixel(dc, x, y, colour(x, y));
  }
  SelectObject(dc, previous);
  DeleteDC(dc);
  return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  const COLORREF colour = GetPixel(dc, x, y);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return colour;
}

TEST(SkinBitmaps, TheStretchKeepsItsMarginsAndStretchesTheMiddle) {
  // 10 x 10: a red frame 3 pixels wide around a white middle.
  HBITMAP source = Painted(10, 10, [](int x, int y) {
    return x < 3 || y < 3 || x >= 7 || y >= 7 ? RGB(255, 0, 0) : RGB(255, 255, 255);
  });
  HBITMAP stretched = StretchSkin(source, {3, 3, 3, 3}, 40, 30);
  ASSERT_NE(stretched, nullptr);
  EXPECT_EQ(BitmapSize(stretched), (ScreenSize{40, 30}));
  EXPECT_EQ(PixelOf(stretched, 2, 2), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(stretched, 37, 27), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(stretched, 3, 3), RGB(255, 255, 255)) << "the frame stays 3 pixels wide";
  EXPECT_EQ(PixelOf(stretched, 36, 26), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(stretched, 20, 15), RGB(255, 255, 255));
  EXPECT_EQ(StretchSkin(nullptr, {}, 40, 30), nullptr);
  // Margins wider than the target are shrunk rather than drawn past it.
  HBITMAP narrow = StretchSkin(source, {8, 8, 8, 8}, 6, 6);
  ASSERT_NE(narrow, nullptr);
  EXPECT_EQ(BitmapSize(narrow), (ScreenSize{6, 6}));
  DeleteObject(narrow);
  DeleteObject(stretched);
  DeleteObject(source);
}

TEST(SkinBitmaps, TheRegionHoldsExactlyThePixelsThatDifferFromTheKeyColour) {
  // Every other pixel of 100 x 90 is the key colour: 4500 runs, combined in three batches; a pixel
  // one step off the key colour stays.
  HBITMAP bitmap = Painted(100, 90, [](int x, int y) {
    if ((x + y) % 2 == 0) return kKey;
    return x == 1 && y == 0 ? RGB(254, 0, 255) : RGB(10, 20, 30);
  });
  HRGN region = RegionFromBitmap(bitmap, kKey);
  ASSERT_NE(region, nullptr);
  int wrong = 0;
  for (int y = 0; y < 90; ++y) {
    for (int x = 0; x < 100; ++x) wrong += (PtInRegion(region, x, y) != FALSE) != ((x + y) % 2 != 0) ? 1 : 0;
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_TRUE(PtInRegion(region, 1, 0)) << "254,0,255 is not the key";
  DeleteObject(region);
  DeleteObject(bitmap);
  EXPECT_EQ(RegionFromBitmap(nullptr, kKey), nullptr);
}

}  // namespace
}  // namespace kellavor::ui
