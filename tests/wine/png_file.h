// Writes an image as a PNG file (8-bit RGB, stored without compression), so that the windows the
// tests render can be looked at after the run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kellavor::wine {

// pixels: width x height values 0x00RRGGBB, top row first. False when the file cannot be written.
bool WritePng(const std::filesystem::path& file, int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace kellavor::wine
