#pragma once
#include <cstdint>
#include <functional>
#include <span>
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

// Paints one pixel of a picture.
using Painter = std::function<void(Image&, int x, int y)>;
Image Paint(int width, int height, const Painter& paint);

// One picture a generator writes: where, how large, how painted and in which format.
struct Output {
  const char* path;
  int width;
  int height;
  Painter paint;
  bool (*write)(const std::string&, const Image&);
};

// Paints and writes every output under `dir`, making folders as needed; names each one that
// could not be written. Returns the program's exit status.
int WriteOutputs(const char* program, const std::string& dir, std::span<const Output> outputs);

}  // namespace texgen
