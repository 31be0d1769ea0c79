#include "platform/render/ImageData.h"

namespace platform {
namespace {

void Expand565(uint16_t c, uint8_t* rgb) {
  rgb[0] = uint8_t(((c >> 11) & 31) * 255 / 31);
  rgb[1] = uint8_t(((c >> 5) & 63) * 255 / 63);
  rgb[2] = uint8_t((c & 31) * 255 / 31);
}

// The colour part of a block (8 bytes) into 16 RGBA texels; `fourColour` forces the
// four-colour mode that DXT3/5 always use.
void DecodeColour(const uint8_t* b, bool fourColour, uint8_t out[16][4]) {
  const uint16_t c0 = uint16_t(b[0] | b[1] << 8), c1 = uint16_t(b[2] | b[3] << 8);
  uint8_t palette[4][4] = {};
  Expand565(c0, palette[0]);
  Expand565(c1, palette[1]);
  palette[0][3] = palette[1][3] = 255;
  for (int i = 0; i < 3; ++i) {
    if (fourColour || c0 > c1) {
      palette[2][i] = uint8_t((2 * palette[0][i] + palette[1][i]) / 3);
      palette[3][i] = uint8_t((palette[0][i] + 2 * palette[1][i]) / 3);
    } else {
      palette[2][i] = uint8_t((palette[0][i] + palette[1][i]) / 2);
      palette[3][i] = 0;  // transparent black
    }
  }
  palette[2][3] = 255;
  palette[3][3] = (fourColour || c0 > c1) ? 255 : 0;
  const uint32_t bits = uint32_t(b[4]) | uint32_t(b[5]) << 8 | uint32_t(b[6]) << 16 | uint32_t(b[7]) << 24;
  for (int t = 0; t < 16; ++t)
    for (int i = 0; i < 4; ++i) out[t][i] = palette[(bits >> (2 * t)) & 3][i];
}

void DecodeExplicitAlpha(const uint8_t* b, uint8_t out[16][4]) {
  for (int t = 0; t < 16; ++t) out[t][3] = uint8_t(((b[t / 2] >> (4 * (t & 1))) & 15) * 17);
}

void DecodeInterpolatedAlpha(const uint8_t* b, uint8_t out[16][4]) {
  int a[8] = {b[0], b[1]};
  if (a[0] > a[1]) {
    for (int i = 1; i < 7; ++i) a[i + 1] = ((7 - i) * a[0] + i * a[1]) / 7;
  } else {
    for (int i = 1; i < 5; ++i) a[i + 1] = ((5 - i) * a[0] + i * a[1]) / 5;
    a[6] = 0;
    a[7] = 255;
  }
  uint64_t bits = 0;
  for (int i = 0; i < 6; ++i) bits |= uint64_t(b[2 + i]) << (8 * i);
  for (int t = 0; t < 16; ++t) out[t][3] = uint8_t(a[(bits >> (3 * t)) & 7]);
}

}  // namespace

std::vector<uint8_t> DecodeDxt(PixelFormat format, int width, int height,
                               std::span<const uint8_t> blocks) {
  std::vector<uint8_t> rgba(size_t(width) * height * 4);
  if (format == PixelFormat::Rgba8 || blocks.size() < LevelSize(format, width, height)) return rgba;
  const size_t blockSize = format == PixelFormat::Dxt1 ? 8 : 16;
  const uint8_t* b = blocks.data();
  for (int by = 0; by < (height + 3) / 4; ++by)
    for (int bx = 0; bx < (width + 3) / 4; ++bx, b += blockSize) {
      uint8_t texels[16][4];
      const uint8_t* colour = format == PixelFormat::Dxt1 ? b : b + 8;
      DecodeColour(colour, format != PixelFormat::Dxt1, texels);
      if (format == PixelFormat::Dxt3) DecodeExplicitAlpha(b, texels);
      if (format == PixelFormat::Dxt5) DecodeInterpolatedAlpha(b, texels);
      for (int t = 0; t < 16; ++t) {
        const int x = bx * 4 + t % 4, y = by * 4 + t / 4;
        if (x >= width || y >= height) continue;
        for (int i = 0; i < 4; ++i) rgba[(size_t(y) * width + x) * 4 + i] = texels[t][i];
      }
    }
  return rgba;
}

void DecompressImage(ImageData& image) {
  if (image.format == PixelFormat::Rgba8) return;
  for (ImageLevel& level : image.levels)
    level.bytes = DecodeDxt(image.format, level.width, level.height, level.bytes);
  image.format = PixelFormat::Rgba8;
}

}  // namespace platform
