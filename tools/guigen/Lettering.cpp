#include "tools/guigen/Lettering.h"

#include <algorithm>
#include <climits>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace guigen {

float Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width || y >= height) return 0.0f;
  return coverage[size_t(y) * size_t(width) + size_t(x)] / 255.0f;
}

Mask Mask::Grown(int radius) const {
  Mask grown;
  grown.width = width + 2 * radius;
  grown.height = height + 2 * radius;
  grown.baseline = baseline + radius;
  grown.coverage.assign(size_t(grown.width) * size_t(grown.height), 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint8_t c = coverage[size_t(y) * size_t(width) + size_t(x)];
      if (c == 0) continue;
      for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
          if (dx * dx + dy * dy > radius * radius) continue;
          uint8_t& out = grown.coverage[size_t(y + radius + dy) * size_t(grown.width) + size_t(x + radius + dx)];
          out = std::max(out, c);
        }
      }
    }
  }
  return grown;
}

struct Lettering::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~Face() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

Lettering::Lettering(const std::string& fontFile) : face_(std::make_unique<Face>()) {
  if (FT_Init_FreeType(&face_->library) != 0) {
    error_ = "FreeType did not start";
  } else if (FT_New_Face(face_->library, fontFile.c_str(), 0, &face_->face) != 0) {
    face_->face = nullptr;
    error_ = "could not read the font " + fontFile;
  }
}

Lettering::~Lettering() = default;

namespace {

// A glyph's coverage where the pen put it, the baseline at y 0.
struct Placed {
  int left = 0;
  int top = 0;
  Mask mask;
};

}  // namespace

Mask Lettering::Line(const std::string& text, int pixelHeight) const {
  FT_Face face = face_->face;
  if (!face || pixelHeight <= 0 || FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelHeight)) != 0) return {};
  std::vector<Placed> glyphs;
  long pen = 0;  // 26.6 fixed point
  FT_UInt previous = 0;
  for (const char c : text) {
    const FT_UInt index = FT_Get_Char_Index(face, FT_ULong(static_cast<unsigned char>(c)));
    if (previous && index && FT_HAS_KERNING(face)) {
      FT_Vector kern;
      if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern) == 0) pen += kern.x;
    }
    previous = index;
    if (FT_Load_Glyph(face, index, FT_LOAD_RENDER) != 0) continue;
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    Placed placed{int(pen >> 6) + face->glyph->bitmap_left, -face->glyph->bitmap_top, {}};
    placed.mask.width = int(bitmap.width);
    placed.mask.height = int(bitmap.rows);
    for (unsigned row = 0; row < bitmap.rows; ++row) {
      const unsigned char* from = bitmap.buffer + ptrdiff_t(row) * bitmap.pitch;
      placed.mask.coverage.insert(placed.mask.coverage.end(), from, from + bitmap.width);
    }
    glyphs.push_back(std::move(placed));
    pen += face->glyph->advance.x;
  }
  // The ink's bounds, over every pixel that any glyph covers.
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const Placed& g : glyphs) {
    for (int y = 0; y < g.mask.height; ++y) {
      for (int x = 0; x < g.mask.width; ++x) {
        if (g.mask.At(x, y) == 0.0f) continue;
        left = std::min(left, g.left + x);
        right = std::max(right, g.left + x + 1);
        top = std::min(top, g.top + y);
        bottom = std::max(bottom, g.top + y + 1);
      }
    }
  }
  if (left >= right) return {};
  Mask line;
  line.width = right - left;
  line.height = bottom - top;
  line.baseline = -top;
  line.coverage.assign(size_t(line.width) * size_t(line.height), 0);
  for (const Placed& g : glyphs) {
    for (int y = 0; y < g.mask.height; ++y) {
      for (int x = 0; x < g.mask.width; ++x) {
        const uint8_t c = g.mask.coverage[size_t(y) * size_t(g.mask.width) + size_t(x)];
        uint8_t& out = line.coverage[size_t(g.top + y - top) * size_t(line.width) + size_t(g.left + x - left)];
        out = uint8_t(std::min(255, out + c));  // overlapping glyphs (kerned pairs) add up
      }
    }
  }
  return line;
}

Mask Lettering::Fitted(const std::string& text, int maxHeight, int maxWidth) const {
  for (int height = maxHeight; height > 4; --height) {
    Mask line = Line(text, height);
    if (line.width <= maxWidth) return line;
  }
  return Line(text, 4);
}

}  // namespace guigen
