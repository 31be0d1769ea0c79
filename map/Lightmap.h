#pragma once
#include <cstdint>

#include "map/BspFormat.h"

// A lightmap ready for the graphics card: 128 x 128 texels of R, G, B, 255, top row first.
struct LightmapImage {
  static constexpr int kBytes = kLightmapSize * kLightmapSize * 4;
  // Left unset: building an image writes every byte, and a map holds dozens of them.
  LightmapImage() {}
  uint8_t* data() { return bytes; }
  const uint8_t* data() const { return bytes; }
  uint8_t bytes[kBytes];
};

// Scales a lightmap texel by `factor` and, when a channel then exceeds full brightness, scales
// all three back so the brightest is full: the hue stays, only the brightness is clamped.
void BrightenLightmapTexel(const uint8_t rgb[3], float factor, uint8_t out[3]);
// Every texel brightened as BrightenLightmapTexel does with the map's factor 7.0.
void BuildLightmapImage(const BspLightmap& lightmap, LightmapImage& out);

// `count` texels of R, G, B brightened as BuildLightmapImage does into texels of R, G, B, 255:
// the first in the widest way the processor offers, the second in the way every processor has
// (which the first also takes for what it leaves).
void BrightenLightmapTexels(const uint8_t* rgb, uint8_t* rgba, int count);
void BrightenLightmapTexelsPortably(const uint8_t* rgb, uint8_t* rgba, int count);
