#include "map/Lightmap.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {
// Lightmaps are baked dark; the game draws them seven times brighter.
constexpr float kLightmapBrightness = 7.0f;

// Each channel scaled on its own: c x factor / 255, for every byte value.
class ScaledChannels {
 public:
  explicit ScaledChannels(float factor) {
    for (int c = 0; c < 256; ++c) scaled_[c] = float(c) * factor / 255.0f;
  }
  float operator[](uint8_t c) const { return scaled_[c]; }

 private:
  std::array<float, 256> scaled_;
};

void Brighten(const ScaledChannels& scaled, const uint8_t rgb[3], uint8_t out[3]) {
  const float s[3] = {scaled[rgb[0]], scaled[rgb[1]], scaled[rgb[2]]};
  const float scale = 255.0f / std::max({1.0f, s[0], s[1], s[2]});
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(scale * s[c]);
}

// A brightened channel depends only on its own value and on the texel's brightest channel
// (scaling keeps the order of the channels), so one table row per brightest value gives every
// texel exactly what Brighten computes, at three look-ups a texel.
class BrightenTable {
 public:
  explicit BrightenTable(float factor) {
    const ScaledChannels scaled(factor);
    for (int brightest = 0; brightest < 256; ++brightest) {
      const float scale = 255.0f / std::max(1.0f, scaled[uint8_t(brightest)]);
      for (int c = 0; c <= brightest; ++c) rows_[brightest][c] = uint8_t(scale * scaled[uint8_t(c)]);
    }
  }
  const std::array<uint8_t, 256>& Row(uint8_t brightest) const { return rows_[brightest]; }

 private:
  std::array<std::array<uint8_t, 256>, 256> rows_{};
};

}  // namespace

void BrightenLightmapTexel(const uint8_t rgb[3], float factor, uint8_t out[3]) {
  Brighten(ScaledChannels(factor), rgb, out);
}

void BuildLightmapImage(const BspLightmap& lightmap, LightmapImage& out) {
  static const BrightenTable table(kLightmapBrightness);
  const uint8_t* in = &lightmap.texels[0][0][0];
  uint8_t* texel = out.data();
  // Whole pixels are stored: byte stores into the fresh image cost more than the look-ups.
  for (int i = 0; i < kLightmapSize * kLightmapSize; ++i, in += 3, texel += 4) {
    const std::array<uint8_t, 256>& row = table.Row(std::max({in[0], in[1], in[2]}));
    const uint8_t pixel[4] = {row[in[0]], row[in[1]], row[in[2]], 255};
    std::memcpy(texel, pixel, 4);
  }
}
