#include "platform/render/PngFile.h"

#include "platform/core/Files.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace platform {

namespace {

void Append(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<size_t>(size));
}

}  // namespace

// Encoded in memory and written through a temporary file: a full disk or a folder that cannot
// be written leaves an older file of the same name as it was.
bool WritePng(const std::string& path, int width, int height, const std::vector<uint8_t>& rgba,
              bool withAlpha) {
  if (width <= 0 || height <= 0 || rgba.size() < size_t(width) * height * 4) return false;
  std::string encoded;
  if (withAlpha) {
    if (!stbi_write_png_to_func(Append, &encoded, width, height, 4, rgba.data(), width * 4)) return false;
  } else {
    std::vector<uint8_t> rgb(size_t(width) * height * 3);
    for (size_t i = 0, n = size_t(width) * height; i < n; ++i)
      for (int c = 0; c < 3; ++c) rgb[i * 3 + c] = rgba[i * 4 + c];
    if (!stbi_write_png_to_func(Append, &encoded, width, height, 3, rgb.data(), width * 3)) return false;
  }
  return WriteFileAtomic(path, encoded);
}

}  // namespace platform
