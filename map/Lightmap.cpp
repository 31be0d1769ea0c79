#include "map/Lightmap.h"

#include <algorithm>

namespace {
// Lightmaps are baked dark; the game draws them seven times brighter.
constexpr float kLightmapBrightness = 7.0f;
}  // namespace

void BrightenLightmapTexel(const uint8_t rgb[3], float factor, uint8_t out[3]) {
  float scaled[3];
  float largest = 1.0f;
  for (int c = 0; c < 3; ++c) {
    scaled[c] = float(rgb[c]) * factor / 255.0f;
    largest = std::max(largest, scaled[c]);
  }
  const float scale = 255.0f / largest;
  for (int c = 0; c < 3; ++c) out[c] = uint8_t(scale * scaled[c]);
}

void BuildLightmapImage(const BspLightmap& lightmap, LightmapImage& out) {
  uint8_t* texel = out.data();
  for (const auto& row : lightmap.texels) {
    for (const auto& rgb : row) {
      BrightenLightmapTexel(rgb, kLightmapBrightness, texel);
      texel[3] = 255;
      texel += 4;
    }
  }
}
