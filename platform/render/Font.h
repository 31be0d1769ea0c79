#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/render/RenderTypes.h"

namespace platform {

class RenderDevice;
class SpriteBatch;

// Format flags of Font::DrawText (the values the game's text calls use).
enum TextFormat : unsigned {
  TextLeft = 0,
  TextTop = 0,
  TextCenter = 0x1,
  TextRight = 0x2,
  TextVCenter = 0x4,
  TextBottom = 0x8,
  TextSingleLine = 0x20,
  TextNoClip = 0x100,
  TextCalcRect = 0x400,
};

// A typeface at one pixel height with its glyphs in a texture atlas. Text is a byte string in
// the Windows Western code page (cp1252); '\n' breaks lines unless TextSingleLine is given.
class Font {
 public:
  // `height` is the line (cell) height in pixels; a weight of 700 or more picks the bold style
  // when the face has one. The face is looked for in `fontsFolder` (by family name or file
  // name, case-insensitively), else DejaVu Sans stands in. Null with a reason on failure.
  static std::unique_ptr<Font> Create(RenderDevice& device, const std::string& face, int height,
                                      int weight, std::string* error,
                                      const std::string& fontsFolder = "Fonts");
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Draws `text` inside `rect`, aligned by `format`, tinted `argb`, through the open `batch`
  // (with the batch's transform), or through a batch of the font's own when `batch` is null or
  // closed. Text is never clipped to the rectangle. With TextCalcRect nothing is drawn and the
  // rectangle's right and bottom are moved to fit the text. Returns the text's height.
  int DrawText(SpriteBatch* batch, const std::string& text, IntRect* rect, unsigned format,
               uint32_t argb);

  int Height() const;
  // The font file in use (to tell which face stood in).
  const std::string& FilePath() const;

 private:
  struct Impl;
  explicit Font(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
