#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace guigen {

// How much of each pixel a shape covers, 0 to 255, top row first.
struct Mask {
  int width = 0;
  int height = 0;
  // Rows from the top down to the baseline of a line of text; a shape's whole height.
  int baseline = 0;
  std::vector<uint8_t> coverage;

  // 0 to 1; 0 outside the mask.
  float At(int x, int y) const;
  // The mask grown by `radius` pixels all round, each pixel the most its disc covers: the
  // outline behind a word.
  Mask Grown(int radius) const;
};

// Words set in one font file by FreeType, at build time, for the pictures that carry them.
class Lettering {
 public:
  explicit Lettering(const std::string& fontFile);
  ~Lettering();
  Lettering(const Lettering&) = delete;
  Lettering& operator=(const Lettering&) = delete;

  // Empty when the font was read; otherwise why it was not.
  const std::string& Error() const { return error_; }

  // One line of ASCII text at `pixelHeight` pixels to the em, cropped to its ink: centring the
  // mask centres what the eye sees. Empty when the font could not be read.
  Mask Line(const std::string& text, int pixelHeight) const;
  // The line at the largest height up to `maxHeight` whose ink is no wider than `maxWidth`.
  Mask Fitted(const std::string& text, int maxHeight, int maxWidth) const;

 private:
  struct Face;
  std::unique_ptr<Face> face_;
  std::string error_;
};

}  // namespace guigen
