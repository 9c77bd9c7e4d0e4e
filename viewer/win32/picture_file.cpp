#include "viewer/win32/picture_file.h"

#include <wincodec.h>

namespace kellavor::viewer {
namespace {

template <typename T>
void ReleaseAndClear(T*& pointer) {
  if (pointer != nullptr) pointer->Release();
  pointer = nullptr;
}

// Decodes the first frame to 32-bit BGRA in a DIB section; alpha is dropped by the form's plain
// blits, which suits the opaque title-bar pictures themes carry.
HBITMAP DecodeWithImaging(const wchar_t* path) {
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICFormatConverter* converter = nullptr;
  HBITMAP bitmap = nullptr;
  UINT width = 0;
  UINT height = 0;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                 reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                   &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
      SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                      WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&width, &height)) && width > 0 && height > 0 && width <= 4096 && height <= 4096) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits)))) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
  }
  ReleaseAndClear(converter);
  ReleaseAndClear(frame);
  ReleaseAndClear(decoder);
  ReleaseAndClear(factory);
  return bitmap;
}

}  // namespace

HBITMAP LoadPictureFile(const std::u16string& path) {
  const auto* wide = reinterpret_cast<const wchar_t*>(path.c_str());
  if (auto* bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, wide, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION))) {
    return bitmap;
  }
  return DecodeWithImaging(wide);
}

}  // namespace kellavor::viewer
