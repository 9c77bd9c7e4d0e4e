#include "ime/ui/win32/skin_bitmaps.h"

#include <algorithm>
#include <vector>

#include "ime/ui/skin_region.h"

namespace kellavor::ui {
namespace {

// A memory device context with one bitmap selected, put back on destruction.
class MemoryDc {
 public:
  explicit MemoryDc(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_ != nullptr) previous_ = SelectObject(dc_, bitmap);
  }
  ~MemoryDc() {
    if (dc_ == nullptr) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

HBITMAP CreateSection(int width, int height, int bitCount, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(bitCount);
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// Margins shrunk so that both fit side by side into the source and the target.
std::pair<int, int> Fitted(int first, int second, int source, int target) {
  const int limit = std::min(source, target);
  first = std::clamp(first, 0, limit);
  second = std::clamp(second, 0, limit - first);
  return {first, second};
}

// One pass of the three-slice stretch along x (horizontal) or y.
HBITMAP StretchPass(HBITMAP source, bool horizontal, int first, int second, int target) {
  const ScreenSize size = BitmapSize(source);
  const int sourceExtent = horizontal ? size.width : size.height;
  const auto [a, b] = Fitted(first, second, sourceExtent, target);
  void* bits = nullptr;
  HBITMAP result = horizontal ? CreateSection(target, size.height, 24, &bits) : CreateSection(size.width, target, 24, &bits);
  if (result == nullptr) return nullptr;
  MemoryDc from(source);
  MemoryDc to(result);
  SetStretchBltMode(to.get(), COLORONCOLOR);
  const auto copy = [&](int destination, int extent, int origin, int sourceLength) {
    if (extent <= 0 || sourceLength <= 0) return;
    if (horizontal) {
      StretchBlt(to.get(), destination, 0, extent, size.height, from.get(), origin, 0, sourceLength, size.height, SRCCOPY);
    } else {
      StretchBlt(to.get(), 0, destination, size.width, extent, from.get(), 0, origin, size.width, sourceLength, SRCCOPY);
    }
  };
  copy(0, a, 0, a);
  copy(target - b, b, sourceExtent - b, b);
  copy(a, target - a - b, a, sourceExtent - a - b);
  return result;
}

}  // namespace

HBITMAP LoadSkinImage(HINSTANCE instance, const std::u16string& fileName, uint16_t resourceId) {
  HBITMAP bitmap = nullptr;
  if (!fileName.empty()) {
    bitmap = static_cast<HBITMAP>(LoadImageW(instance, reinterpret_cast<const wchar_t*>(fileName.c_str()), IMAGE_BITMAP,
                                             0, 0, LR_LOADFROMFILE));
  }
  if (bitmap == nullptr && resourceId != 0) bitmap = LoadBitmapW(instance, MAKEINTRESOURCEW(resourceId));
  return bitmap;
}

void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, const COLORREF* keyColor) {
  if (bitmap == nullptr) return;
  const ScreenSize size = BitmapSize(bitmap);
  MemoryDc source(bitmap);
  if (keyColor != nullptr) {
    TransparentBlt(dc, x, y, size.width, size.height, source.get(), 0, 0, size.width, size.height, *keyColor);
  } else {
    BitBlt(dc, x, y, size.width, size.height, source.get(), 0, 0, SRCCOPY);
  }
}

HBITMAP StretchSkin(HBITMAP bitmap, const Margins& margins, int width, int height) {
  if (bitmap == nullptr || width <= 0 || height <= 0) return nullptr;
  HBITMAP wide = StretchPass(bitmap, true, margins.left, margins.right, width);
  if (wide == nullptr) return nullptr;
  HBITMAP result = StretchPass(wide, false, margins.top, margins.bottom, height);
  DeleteObject(wide);
  return result;
}

HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF keyColor) {
  if (bitmap == nullptr) return nullptr;
  const ScreenSize size = BitmapSize(bitmap);
  void* bits = nullptr;
  HBITMAP copy = CreateSection(size.width, size.height, 32, &bits);
  if (copy == nullptr) return nullptr;
  {
    MemoryDc from(bitmap);
    MemoryDc to(copy);
    if (from.get() == nullptr || to.get() == nullptr) {
      DeleteObject(copy);
      return nullptr;
    }
    BitBlt(to.get(), 0, 0, size.width, size.height, from.get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  // A bottom-up section: the image's top row is the last in memory.
  const auto* pixels = static_cast<const uint32_t*>(bits);
  std::vector<ScreenRect> runs;
  runs.reserve(100);
  for (int y = 0; y < size.height; ++y) {
    const uint32_t* row = pixels + static_cast<size_t>(size.height - 1 - y) * static_cast<size_t>(size.width);
    AppendOpaqueRuns({row, static_cast<size_t>(size.width)}, y, keyColor, runs);
  }
  DeleteObject(copy);

  HRGN result = CreateRectRgn(0, 0, 0, 0);
  size_t done = 0;
  std::vector<BYTE> data;
  for (size_t batch : RegionBatches(runs.size())) {
    data.assign(sizeof(RGNDATAHEADER) + batch * sizeof(RECT), 0);
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(batch);
    header->nRgnSize = static_cast<DWORD>(batch * sizeof(RECT));
    SetRect(&header->rcBound, 0, 0, size.width, size.height);
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < batch; ++i) {
      const ScreenRect& run = runs[done + i];
      rects[i] = {run.left, run.top, run.right, run.bottom};
    }
    done += batch;
    if (HRGN part = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
        part != nullptr) {
      CombineRgn(result, result, part, RGN_OR);
      DeleteObject(part);
    }
  }
  return result;
}

ScreenSize BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) return {};
  return {info.bmWidth, info.bmHeight};
}

}  // namespace kellavor::ui
