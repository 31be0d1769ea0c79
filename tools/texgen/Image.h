#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace texgen {

// An RGBA picture, top row first.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  Image(int w, int h) : width(w), height(h), rgba(size_t(w) * h * 4, 255) {}
  void Set(int x, int y, float r, float g, float b, float a = 1.0f);
};

// Repeatable value noise in [0, 1] that tiles every `period` cells.
float Noise(float x, float y, int period, uint32_t seed);

bool WritePng(const std::string& path, const Image& image);
// 24-bit uncompressed BMP (alpha dropped).
bool WriteBmp(const std::string& path, const Image& image);
// Uncompressed 32-bit DDS with one level.
bool WriteDds(const std::string& path, const Image& image);

}  // namespace texgen
