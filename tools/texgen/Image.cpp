#include "tools/texgen/Image.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

namespace texgen {
namespace {

uint8_t Byte(float v) { return static_cast<uint8_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

float Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return static_cast<float>((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}

void Put16(std::string& out, uint32_t v) { out.append({char(v & 0xFF), char(v >> 8 & 0xFF)}); }
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

}  // namespace

void Image::Set(int x, int y, float r, float g, float b, float a) {
  uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
  p[0] = Byte(r);
  p[1] = Byte(g);
  p[2] = Byte(b);
  p[3] = Byte(a);
}

float Noise(float x, float y, int period, uint32_t seed) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const float fx = x - x0, fy = y - y0;
  auto at = [&](int cx, int cy) { return Hash(((cx % period) + period) % period, ((cy % period) + period) % period, seed); };
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
  const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
  return top + (bottom - top) * sy;
}

bool WritePng(const std::string& path, const Image& image) {
  return stbi_write_png(path.c_str(), image.width, image.height, 4, image.rgba.data(), image.width * 4) != 0;
}

bool WriteBmp(const std::string& path, const Image& image) {
  const int rowBytes = (image.width * 3 + 3) & ~3;
  const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * image.height);
  std::string out = "BM";
  Put32(out, 54 + pixelBytes);
  Put32(out, 0);
  Put32(out, 54);
  Put32(out, 40);
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(image.height));
  Put16(out, 1);
  Put16(out, 24);
  for (int i = 0; i < 6; ++i) Put32(out, i == 1 ? pixelBytes : 0);
  for (int y = image.height - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &image.rgba[(size_t(y) * image.width + x) * 4];
      out.append({char(p[2]), char(p[1]), char(p[0])});
    }
    out.append(size_t(rowBytes - image.width * 3), '\0');
  }
  return WriteBytes(path, out);
}

bool WriteDds(const std::string& path, const Image& image) {
  std::string out = "DDS ";
  Put32(out, 124);
  Put32(out, 0x1 | 0x2 | 0x4 | 0x8 | 0x1000);  // caps, height, width, pitch, pixel format
  Put32(out, static_cast<uint32_t>(image.height));
  Put32(out, static_cast<uint32_t>(image.width));
  Put32(out, static_cast<uint32_t>(image.width * 4));
  for (int i = 0; i < 13; ++i) Put32(out, 0);  // depth, mip count, reserved
  Put32(out, 32);                              // pixel format size
  Put32(out, 0x41);                            // RGB with alpha
  Put32(out, 0);
  Put32(out, 32);
  Put32(out, 0x00FF0000);
  Put32(out, 0x0000FF00);
  Put32(out, 0x000000FF);
  Put32(out, 0xFF000000);
  Put32(out, 0x1000);  // texture
  for (int i = 0; i < 4; ++i) Put32(out, 0);
  for (size_t i = 0; i < image.rgba.size(); i += 4) {
    out.append({char(image.rgba[i + 2]), char(image.rgba[i + 1]), char(image.rgba[i]), char(image.rgba[i + 3])});
  }
  return WriteBytes(path, out);
}

}  // namespace texgen

namespace texgen {

Image Paint(int width, int height, const Painter& paint) {
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) paint(image, x, y);
  }
  return image;
}

int WriteOutputs(const char* program, const std::string& dir, std::span<const Output> outputs) {
  int failures = 0;
  for (const Output& out : outputs) {
    const std::filesystem::path path = std::filesystem::path(dir) / out.path;
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    if (!out.write(path.string(), Paint(out.width, out.height, out.paint))) {
      std::fprintf(stderr, "%s: could not write %s\n", program, path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace texgen
