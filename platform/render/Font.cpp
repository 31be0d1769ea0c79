#include "platform/render/Font.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "platform/render/FontFace.h"
#include "platform/render/SpriteBatch.h"
#include "platform/render/Texture.h"
#include "platform/render/gl/DeviceImpl.h"

namespace platform {
namespace {

// Unicode of the cp1252 bytes 0x80..0x9F; the rest of the code page equals Latin-1.
const uint16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

uint32_t ToUnicode(uint8_t c) { return c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c; }

struct Glyph {
  IntRect source;  // in the atlas
  int left = 0;    // from the pen to the bitmap's left edge
  int top = 0;     // from the baseline up to the bitmap's top edge
  int advance = 0;
  bool cached = false;  // rendered into the atlas when the font was made
};

constexpr int kFirstChar = 32;
constexpr int kAtlasWidth = 512;

struct FreeTypeFace {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  ~FreeTypeFace() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }
};

}  // namespace

struct Font::Impl {
  RenderDevice& device;
  std::string path;
  int height = 0;
  int ascent = 0;
  Glyph glyphs[256];
  std::unique_ptr<Texture> atlas;
  std::unique_ptr<SpriteBatch> ownBatch;

  explicit Impl(RenderDevice& d) : device(d) {}

  int LineWidth(const std::string& text, size_t begin, size_t end) const {
    int w = 0;
    for (size_t i = begin; i < end; ++i) w += glyphs[uint8_t(text[i])].advance;
    return w;
  }
};

namespace {

// Calls `line(begin, end)` for every line of `text` as a byte range, without a list of them, so
// that drawing text asks nothing of the heap.
template <class Line>
void ForEachLine(const std::string& text, unsigned format, Line line) {
  size_t begin = 0;
  for (size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || (text[i] == '\n' && !(format & TextSingleLine))) {
      line(begin, i);
      begin = i + 1;
    }
}

}  // namespace

Font::Font(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Font::~Font() = default;

std::unique_ptr<Font> Font::Create(RenderDevice& device, const std::string& face, int height,
                                   int weight, std::string* error, const std::string& fontsFolder) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return nullptr;
  };
  if (height <= 0 || height > 512) return fail("impossible font height " + std::to_string(height));
  auto impl = std::make_unique<Impl>(device);
  impl->path = FindFontFile(face, weight >= 700, fontsFolder);
  impl->height = height;
  FreeTypeFace ft;
  if (FT_Init_FreeType(&ft.library) != 0 ||
      FT_New_Face(ft.library, impl->path.c_str(), 0, &ft.face) != 0 || !FT_IS_SCALABLE(ft.face))
    return fail("cannot open font file " + impl->path);

  // The height is the cell height (ascent + descent of the Windows metrics), as the game's
  // font sizes were chosen for.
  FT_Face f = ft.face;
  auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(f, FT_SFNT_OS2));
  double ascent = os2 ? os2->usWinAscent : f->ascender;
  double descent = os2 ? os2->usWinDescent : -f->descender;
  if (ascent + descent <= 0) ascent = f->units_per_EM, descent = 0;
  const double em = height * f->units_per_EM / (ascent + descent);
  FT_Set_Char_Size(f, 0, FT_F26Dot6(std::lround(em * 64)), 72, 72);
  impl->ascent = int(std::lround(ascent * em / f->units_per_EM));

  // Render every glyph of the code page and pack them in shelves.
  std::vector<std::vector<uint8_t>> bitmaps(256);
  int x = 1, y = 1, shelf = 0;
  for (int c = kFirstChar; c < 256; ++c) {
    if (FT_Load_Char(f, ToUnicode(uint8_t(c)), FT_LOAD_RENDER) != 0) continue;
    const FT_Bitmap& b = f->glyph->bitmap;
    Glyph& g = impl->glyphs[c];
    g.cached = true;
    g.advance = int((f->glyph->advance.x + 32) >> 6);
    g.left = f->glyph->bitmap_left;
    g.top = f->glyph->bitmap_top;
    const int w = int(b.width), h = int(b.rows);
    if (x + w + 1 > kAtlasWidth) {
      x = 1;
      y += shelf + 1;
      shelf = 0;
    }
    g.source = IntRect{x, y, x + w, y + h};
    bitmaps[c].resize(size_t(w) * h);
    for (int row = 0; row < h; ++row)
      std::copy_n(b.buffer + row * b.pitch, w, bitmaps[c].begin() + size_t(row) * w);
    x += w + 1;
    shelf = std::max(shelf, h);
  }
  int atlasHeight = 1;
  while (atlasHeight < y + shelf + 1) atlasHeight <<= 1;
  std::vector<uint8_t> pixels(size_t(kAtlasWidth) * atlasHeight * 4, 0);
  for (size_t i = 0; i < pixels.size(); i += 4) pixels[i] = pixels[i + 1] = pixels[i + 2] = 255;
  for (int c = kFirstChar; c < 256; ++c) {
    const IntRect& r = impl->glyphs[c].source;
    for (int row = 0; row < r.Height(); ++row)
      for (int col = 0; col < r.Width(); ++col)
        pixels[(size_t(r.top + row) * kAtlasWidth + r.left + col) * 4 + 3] =
            bitmaps[c][size_t(row) * r.Width() + col];
  }
  impl->atlas = Texture::FromPixels(device, kAtlasWidth, atlasHeight, pixels.data());
  if (!impl->atlas) return fail("font atlas too large for " + face);
  return std::unique_ptr<Font>(new Font(std::move(impl)));
}

int Font::Height() const { return impl_->height; }
const std::string& Font::FilePath() const { return impl_->path; }

int Font::DrawText(SpriteBatch* batch, const std::string& text, IntRect* rect, unsigned format,
                   uint32_t argb) {
  Impl& f = *impl_;
  if (!rect) return 0;
  if (text.empty()) {
    // Nothing to show has no size, so an empty text element cannot be hovered.
    if (format & TextCalcRect) {
      rect->right = rect->left;
      rect->bottom = rect->top;
    }
    return 0;
  }
  int width = 0, lineCount = 0;
  ForEachLine(text, format, [&](size_t b, size_t e) {
    width = std::max(width, f.LineWidth(text, b, e));
    ++lineCount;
  });
  const int height = lineCount * f.height;
  if (format & TextCalcRect) {
    rect->right = rect->left + width;
    rect->bottom = rect->top + height;
    return height;
  }

  SpriteBatch* target = batch;
  if (!target || !target->IsOpen()) {
    if (!f.ownBatch) f.ownBatch = std::make_unique<SpriteBatch>(f.device);
    target = f.ownBatch.get();
    target->Begin(SpriteAlphaBlend);
  }
  int top = rect->top;
  if (format & TextVCenter) top += (rect->Height() - height) / 2;
  else if (format & TextBottom) top = rect->bottom - height;
  RenderStats& stats = f.device.Internals()->stats;
  ForEachLine(text, format, [&](size_t b, size_t e) {
    const int lineWidth = f.LineWidth(text, b, e);
    int pen = rect->left;
    if (format & TextCenter) pen += (rect->Width() - lineWidth) / 2;
    else if (format & TextRight) pen = rect->right - lineWidth;
    for (size_t i = b; i < e; ++i) {
      const Glyph& g = f.glyphs[uint8_t(text[i])];
      ++(g.cached ? stats.glyphHits : stats.glyphMisses);
      if (g.source.Width() > 0) {
        const Float3 at{float(pen + g.left), float(top + f.ascent - g.top), 0.0f};
        target->Draw(*f.atlas, &g.source, nullptr, &at, argb);
      }
      pen += g.advance;
    }
    top += f.height;
  });
  if (target != batch) target->End();
  return height;
}

}  // namespace platform
