#include "map/Lightmap.h"

#include <algorithm>
#include <array>

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

}  // namespace

void BrightenLightmapTexel(const uint8_t rgb[3], float factor, uint8_t out[3]) {
  Brighten(ScaledChannels(factor), rgb, out);
}

void BuildLightmapImage(const BspLightmap& lightmap, LightmapImage& out) {
  static const ScaledChannels scaled(kLightmapBrightness);
  uint8_t* texel = out.data();
  for (const auto& row : lightmap.texels) {
    for (const auto& rgb : row) {
      Brighten(scaled, rgb, texel);
      texel[3] = 255;
      texel += 4;
    }
  }
}
