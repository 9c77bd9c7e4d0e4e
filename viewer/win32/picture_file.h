// A picture file of a theme (a bitmap or a PNG file) as a bitmap the form can draw.
#pragma once

#include <windows.h>

#include <string>

namespace kellavor::viewer {

// Null when the file is missing or is neither a bitmap nor a picture the platform's imaging
// component decodes. The caller deletes the bitmap.
HBITMAP LoadPictureFile(const std::u16string& path);

}  // namespace kellavor::viewer
