#include <cstring>

#include "platform/render/ImageData.h"
#include "platform/render/ImageCheck.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_TGA
#define STBI_ONLY_BMP
#include <stb_image.h>

#define STB_IMAGE_RESIZE_IMPLEMENTATION
#include <stb_image_resize.h>

namespace platform {

bool DecodeImage(std::span<const uint8_t> file, ImageData* out, std::string* error) {
  if (file.size() >= 4 && std::memcmp(file.data(), "DDS ", 4) == 0) return ReadDds(file, out, error);
  if (file.empty() || file.size() > size_t(INT32_MAX)) {
    if (error) *error = "empty or oversized image file";
    return false;
  }
  if (const std::string unsafe = UnsafeImageReason(file); !unsafe.empty()) {
    if (error) *error = "not a readable image: " + unsafe;
    return false;
  }
  int w = 0, h = 0, channels = 0;
  const int length = static_cast<int>(file.size());
  if (!stbi_info_from_memory(file.data(), length, &w, &h, &channels)) {
    if (error) *error = std::string("not a readable image: ") + stbi_failure_reason();
    return false;
  }
  if (h < 0 && h >= -kMaxTextureSize) h = -h;  // a top-down BMP gives its height negative
  if (w <= 0 || h <= 0 || w > kMaxTextureSize || h > kMaxTextureSize) {
    if (error) *error = "not a readable image: impossible size " + std::to_string(w) + "x" + std::to_string(h);
    return false;
  }
  stbi_uc* pixels = stbi_load_from_memory(file.data(), length, &w, &h, &channels, 4);
  if (!pixels) {
    if (error) *error = std::string("not a readable image: ") + stbi_failure_reason();
    return false;
  }
  ImageData image;
  ImageLevel level;
  level.width = w;
  level.height = h;
  level.bytes.assign(pixels, pixels + size_t(w) * h * 4);
  stbi_image_free(pixels);
  image.levels.push_back(std::move(level));
  *out = std::move(image);
  return true;
}

void ResizeImage(ImageData& image, int width, int height) {
  if (image.levels.empty() || width <= 0 || height <= 0) return;
  DecompressImage(image);
  ImageLevel& source = image.levels[0];
  if (source.width == width && source.height == height && image.levels.size() == 1) return;
  ImageLevel scaled;
  scaled.width = width;
  scaled.height = height;
  scaled.bytes.resize(size_t(width) * height * 4);
  stbir_resize_uint8(source.bytes.data(), source.width, source.height, 0, scaled.bytes.data(),
                     width, height, 0, 4);
  image.levels.clear();
  image.levels.push_back(std::move(scaled));
}

}  // namespace platform
