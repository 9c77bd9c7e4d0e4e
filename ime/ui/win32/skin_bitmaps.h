// The bitmap operations of the skinned windows: loading a skin image from a theme file or the
// module's resources, drawing one with or without a key colour, the three-slice stretch to a
// window's size, and the window shape cut out of a bitmap by its key colour.
#pragma once

#include <windows.h>

#include <string>

#include "ime/ui/panel_layout.h"

namespace kellavor::ui {

// The bitmap of the file, or, when there is no file or it does not load, the bitmap resource of
// the module (0 for none); null when neither gives one. The caller owns it.
HBITMAP LoadSkinImage(HINSTANCE instance, const std::u16string& fileName, uint16_t resourceId);

// Copies the whole bitmap to (x, y); pixels of the key colour, when one is given, are left out.
void DrawBitmap(HDC dc, HBITMAP bitmap, int x, int y, const COLORREF* keyColor);

// A new bitmap of width x height: the bitmap stretched in its middle, its margins kept. Margins
// that do not fit the source or the target are shrunk to fit. Null for a null bitmap or an empty
// size. The caller owns it.
HBITMAP StretchSkin(HBITMAP bitmap, const Margins& margins, int width, int height);

// The region of the bitmap's pixels that differ from the key colour; null for a null bitmap or
// when no device context can be had. The caller hands it to SetWindowRgn, or deletes it.
HRGN RegionFromBitmap(HBITMAP bitmap, COLORREF keyColor);

// The bitmap's size; 0 x 0 for null.
ScreenSize BitmapSize(HBITMAP bitmap);

}  // namespace kellavor::ui
