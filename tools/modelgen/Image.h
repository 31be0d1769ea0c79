#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/modelgen/ShapeBuilder.h"

namespace modelgen {

using Rgb = std::array<uint8_t, 3>;

// An opaque picture for a model's texture, painted with a few flat shapes and a grain that
// depends only on the pixel, so every run paints the same bytes.
class Image {
 public:
  Image(int width, int height, Rgb fill);

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb At(int x, int y) const;

  // Shapes in texture coordinates (0 to 1 across the whole picture).
  void Rect(float u0, float v0, float u1, float v1, Rgb colour);
  void Rect(const UvRect& r, Rgb colour) { Rect(r.u0, r.v0, r.u1, r.v1, colour); }
  void Ellipse(float u, float v, float ru, float rv, Rgb colour);
  // A stroke of the given width (in the picture's u units) from (u0, v0) to (u1, v1).
  void Line(float u0, float v0, float u1, float v1, float width, Rgb colour);
  // Bands across (horizontal) or down the rect, alternating a and b, `count` of each.
  void Bands(const UvRect& r, Rgb a, Rgb b, int count, bool horizontal);
  // Lightens or darkens every pixel by up to `amount` levels, the same for the same pixel.
  void Grain(int amount);

  std::string Png() const;

 private:
  void Put(int x, int y, Rgb c);
  int width_, height_;
  std::vector<uint8_t> rgb_;
};

}  // namespace modelgen
