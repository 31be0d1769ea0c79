#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Writes RGBA pixels (top row first) as a PNG; without alpha the image is stored opaque RGB.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
              bool withAlpha);

}  // namespace platform
