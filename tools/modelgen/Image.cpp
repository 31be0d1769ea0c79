#include "tools/modelgen/Image.h"

#include <stb_image_write.h>

#include <algorithm>
#include <cmath>

namespace modelgen {

Image::Image(int width, int height, Rgb fill)
    : width_(width), height_(height), rgb_(size_t(width) * size_t(height) * 3) {
  for (size_t i = 0; i < rgb_.size(); i += 3)
    std::copy(fill.begin(), fill.end(), rgb_.begin() + long(i));
}

Rgb Image::At(int x, int y) const {
  const size_t i = (size_t(y) * size_t(width_) + size_t(x)) * 3;
  return {rgb_[i], rgb_[i + 1], rgb_[i + 2]};
}

void Image::Put(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const size_t i = (size_t(y) * size_t(width_) + size_t(x)) * 3;
  std::copy(c.begin(), c.end(), rgb_.begin() + long(i));
}

void Image::Rect(float u0, float v0, float u1, float v1, Rgb colour) {
  const int x0 = int(std::floor(u0 * float(width_))), x1 = int(std::ceil(u1 * float(width_)));
  const int y0 = int(std::floor(v0 * float(height_))), y1 = int(std::ceil(v1 * float(height_)));
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) Put(x, y, colour);
}

void Image::Ellipse(float u, float v, float ru, float rv, Rgb colour) {
  const float cx = u * float(width_), cy = v * float(height_);
  const float rx = ru * float(width_), ry = rv * float(height_);
  for (int y = int(cy - ry) - 1; y <= int(cy + ry) + 1; ++y)
    for (int x = int(cx - rx) - 1; x <= int(cx + rx) + 1; ++x) {
      const float dx = (float(x) + 0.5f - cx) / rx, dy = (float(y) + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1) Put(x, y, colour);
    }
}

void Image::Line(float u0, float v0, float u1, float v1, float width, Rgb colour) {
  const float w = float(width_), h = float(height_);
  const float ax = u0 * w, ay = v0 * h, bx = u1 * w, by = v1 * h, r = width * w / 2;
  const float dx = bx - ax, dy = by - ay, len2 = std::max(dx * dx + dy * dy, 1e-6f);
  for (int y = int(std::min(ay, by) - r) - 1; y <= int(std::max(ay, by) + r) + 1; ++y)
    for (int x = int(std::min(ax, bx) - r) - 1; x <= int(std::max(ax, bx) + r) + 1; ++x) {
      const float px = float(x) + 0.5f, py = float(y) + 0.5f;
      const float t = std::clamp(((px - ax) * dx + (py - ay) * dy) / len2, 0.f, 1.f);
      const float ex = px - (ax + t * dx), ey = py - (ay + t * dy);
      if (ex * ex + ey * ey <= r * r) Put(x, y, colour);
    }
}

void Image::Bands(const UvRect& r, Rgb a, Rgb b, int count, bool horizontal) {
  for (int i = 0; i < count * 2; ++i) {
    const float t0 = float(i) / float(count * 2), t1 = float(i + 1) / float(count * 2);
    const Rgb c = i % 2 == 0 ? a : b;
    if (horizontal)
      Rect(r.u0, r.v0 + (r.v1 - r.v0) * t0, r.u1, r.v0 + (r.v1 - r.v0) * t1, c);
    else
      Rect(r.u0 + (r.u1 - r.u0) * t0, r.v0, r.u0 + (r.u1 - r.u0) * t1, r.v1, c);
  }
}

void Image::Grain(int amount) {
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      uint32_t h = uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u;
      h = (h ^ (h >> 13)) * 0x5bd1e995u;
      h ^= h >> 15;
      const int d = int(h % uint32_t(2 * amount + 1)) - amount;
      const size_t i = (size_t(y) * size_t(width_) + size_t(x)) * 3;
      for (int c = 0; c < 3; ++c)
        rgb_[i + size_t(c)] = uint8_t(std::clamp(int(rgb_[i + size_t(c)]) + d, 0, 255));
    }
}

std::string Image::Png() const {
  std::string out;
  stbi_write_png_to_func(
      [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), size_t(size));
      },
      &out, width_, height_, 3, rgb_.data(), width_ * 3);
  return out;
}

}  // namespace modelgen
