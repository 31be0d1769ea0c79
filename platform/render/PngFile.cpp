#include "platform/render/PngFile.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace platform {

bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
              bool withAlpha) {
  if (width <= 0 || height <= 0 || rgba.size() < size_t(width) * height * 4) return false;
  if (withAlpha) return stbi_write_png(path.c_str(), width, height, 4, rgba.data(), width * 4) != 0;
  std::vector<uint8_t> rgb(size_t(width) * height * 3);
  for (size_t i = 0, n = size_t(width) * height; i < n; ++i)
    for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
  return stbi_write_png(path.c_str(), width, height, 3, rgb.data(), width * 3) != 0;
}

}  // namespace platform
