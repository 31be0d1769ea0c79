// texgen OUTPUT_DIR: paints the demo's textures into OUTPUT_DIR/textures: the museum's map
// surfaces (PNG), the default texture, and the textures the graphics system takes at start-up
// (the cel-shading ramps, shadow blob, laser glow as BMP; the loading picture as DDS).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "tools/texgen/Image.h"

using texgen::Image;
using texgen::Output;
using texgen::Paint;
using texgen::Painter;
using texgen::Noise;

namespace {

// Noise of a few octaves, tiling over the 256-pixel textures.
float Fbm(float x, float y, uint32_t seed) {
  return 0.5f * Noise(x / 32, y / 32, 8, seed) + 0.3f * Noise(x / 16, y / 16, 16, seed + 1) +
         0.2f * Noise(x / 8, y / 8, 32, seed + 2);
}

void WoodFloor(Image& im, int x, int y) {
  const int plank = y / 32;
  const float tone = 0.8f + 0.2f * Noise(float(plank), 0.5f, 8, 11);
  const float grain = 0.85f + 0.15f * std::sin(x * 0.15f + Fbm(float(x), float(y) * 4, 12) * 8);
  const float seam = (y % 32 == 0 || (x + plank * 97) % 256 == 0) ? 0.55f : 1.0f;
  const float k = tone * grain * seam;
  im.Set(x, y, 0.55f * k, 0.35f * k, 0.2f * k);
}

void MarbleFloor(Image& im, int x, int y) {
  const float vein = std::pow(std::fabs(std::sin((x + y) * 0.04f + Fbm(float(x), float(y), 21) * 9)), 0.3f);
  const float k = 0.75f + 0.2f * vein;
  im.Set(x, y, k, k, k * 1.02f);
}

void TileFloor(Image& im, int x, int y) {
  const bool grout = x % 64 < 2 || y % 64 < 2;
  const bool dark = ((x / 64) + (y / 64)) % 2 == 1;
  const float k = grout ? 0.35f : (dark ? 0.3f : 0.85f) + 0.05f * Fbm(float(x), float(y), 31);
  im.Set(x, y, k, k * 0.97f, k * 0.92f);
}

void PlasterWall(Image& im, int x, int y) {
  const float k = 0.85f + 0.1f * Fbm(float(x), float(y), 41);
  im.Set(x, y, 0.92f * k, 0.86f * k, 0.72f * k);
}

void PanelWall(Image& im, int x, int y) {
  const int px = x % 128, py = y % 128;
  const bool frame = px < 8 || px >= 120 || py < 8 || py >= 120;
  const float k = (frame ? 0.7f : 1.0f) * (0.85f + 0.15f * std::sin(y * 0.2f + Fbm(float(x), float(y), 51) * 6));
  im.Set(x, y, 0.4f * k, 0.25f * k, 0.15f * k);
}

void StoneWall(Image& im, int x, int y) {
  const int row = y / 32;
  const int bx = (x + (row % 2) * 32) % 64;
  const bool mortar = bx < 3 || y % 32 < 3;
  const float block = 0.85f + 0.15f * Noise(float((x + (row % 2) * 32) / 64), float(row), 8, 61);
  const float k = mortar ? 0.4f : block * (0.8f + 0.2f * Fbm(float(x), float(y), 62));
  im.Set(x, y, 0.6f * k, 0.6f * k, 0.58f * k);
}

void Ceiling(Image& im, int x, int y) {
  const bool grid = x % 128 < 3 || y % 128 < 3;
  const float k = grid ? 0.6f : 0.9f + 0.05f * Fbm(float(x), float(y), 71);
  im.Set(x, y, k, k, k);
}

void DefaultChecker(Image& im, int x, int y) {
  const float k = ((x / 32 + y / 32) % 2) ? 0.5f : 0.7f;
  im.Set(x, y, k, k, k);
}

void Shadow(Image& im, int x, int y) {
  const float dx = (x + 0.5f) / 32 - 1, dy = (y + 0.5f) / 32 - 1;
  const float k = std::min(1.0f, std::sqrt(dx * dx + dy * dy));
  im.Set(x, y, k * k, k * k, k * k);
}

// Three bands of light: shadow, half light, full light.
Painter Ramp(float dark, float mid, float full) {
  return [=](Image& im, int x, int) {
    const float k = x < 20 ? dark : x < 44 ? mid : full;
    im.Set(x, 0, k, k, k);
  };
}

// The beam's glow pulses as its texture scrolls up through it: full at the top row, a fifth
// halfway down, and back.
void LaserGlow(Image& im, int x, int y) {
  const float k = 0.6f + 0.4f * std::cos(2.0f * static_cast<float>(M_PI) * (y + 0.5f) / 32);
  im.Set(x, y, k, k, k);
}

void LaserPixel(Image& im, int x, int y) {
  const float k = (x + y) % 2 ? 0.6f : 1.0f;
  im.Set(x, y, k, k, k);
}

void Loading(Image& im, int x, int y) {
  const bool stripe = (x + y) % 48 < 6;
  im.Set(x, y, stripe ? 0.2f : 0.05f, stripe ? 0.3f : 0.08f, stripe ? 0.5f : 0.2f);
}

// Particles: white, so the vertex colour tints them, fading out towards the edge.
float Falloff(int x, int y, int size) {
  const float dx = (x + 0.5f) / (size * 0.5f) - 1, dy = (y + 0.5f) / (size * 0.5f) - 1;
  return std::max(0.0f, 1.0f - std::sqrt(dx * dx + dy * dy));
}

void Spark(Image& im, int x, int y) {
  const float k = Falloff(x, y, 32);
  im.Set(x, y, 1, 1, 1, std::min(1.0f, k * k * 3));
}

void Smoke(Image& im, int x, int y) {
  const float k = Falloff(x, y, 64) * (0.6f + 0.4f * Fbm(float(x) * 4, float(y) * 4, 81));
  im.Set(x, y, 1, 1, 1, std::min(1.0f, k * 1.5f));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: texgen OUTPUT_DIR\n");
    return 2;
  }
  const Output outputs[] = {
      {"textures/museum/floor_wood.png", 256, 256, WoodFloor, texgen::WritePng},
      {"textures/museum/floor_marble.png", 256, 256, MarbleFloor, texgen::WritePng},
      {"textures/museum/floor_tile.png", 256, 256, TileFloor, texgen::WritePng},
      {"textures/museum/wall_plaster.png", 256, 256, PlasterWall, texgen::WritePng},
      {"textures/museum/wall_panel.png", 256, 256, PanelWall, texgen::WritePng},
      {"textures/museum/wall_stone.png", 256, 256, StoneWall, texgen::WritePng},
      {"textures/museum/ceiling.png", 256, 256, Ceiling, texgen::WritePng},
      {"textures/default.png", 64, 64, DefaultChecker, texgen::WritePng},
      {"textures/none.bmp", 8, 8, [](Image& im, int x, int y) { im.Set(x, y, 1, 1, 1); }, texgen::WriteBmp},
      {"textures/shadow.bmp", 64, 64, Shadow, texgen::WriteBmp},
      {"textures/CelShading/shade.bmp", 64, 1, Ramp(0.35f, 0.7f, 1.0f), texgen::WriteBmp},
      {"textures/CelShading/shadeBlack.bmp", 64, 1, Ramp(0.1f, 0.3f, 0.5f), texgen::WriteBmp},
      {"textures/laser.bmp", 32, 32, LaserGlow, texgen::WriteBmp},
      {"textures/laserPixel.bmp", 8, 8, LaserPixel, texgen::WriteBmp},
      {"textures/gui/loading.dds", 256, 192, Loading, texgen::WriteDds},
      {"textures/particles/spark.png", 32, 32, Spark, texgen::WritePng},
      {"textures/particles/smoke.png", 64, 64, Smoke, texgen::WritePng},
  };
  return texgen::WriteOutputs("texgen", argv[1], outputs);
}
