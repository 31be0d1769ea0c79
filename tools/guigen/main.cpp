// guigen OUTPUT_DIR FONT_FILE: paints the demo's GUI pictures into OUTPUT_DIR/textures/gui: the
// menu background, the two-frame buttons (at rest, lit), the selection arrow and glint, the
// cursor (a BMP with alpha, its hot spot the top-left pixel), the HUD's digit strips and battery
// bar, the marks over guards; and, with their words set in FONT_FILE, the busted and time's-up pictures,
// the places and the arrow of the round's end, the HUD's prompts and the signs over drop-offs
// and teleporters.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "tools/guigen/Lettering.h"
#include "tools/guigen/Signs.h"
#include "tools/texgen/Image.h"

using texgen::Image;
using texgen::Output;
using texgen::Paint;
using texgen::Painter;

namespace {

// Night blue, lighter towards the middle, with a faint grid of museum floor tiles.
void Background(Image& im, int x, int y) {
  const float dx = (x - 512) / 512.0f, dy = (y - 384) / 384.0f;
  const float glow = std::max(0.0f, 1.0f - 0.6f * (dx * dx + dy * dy));
  const float grid = (x % 64 == 0 || y % 64 == 0) ? 0.04f : 0.0f;
  im.Set(x, y, 0.05f + 0.08f * glow + grid, 0.07f + 0.12f * glow + grid, 0.15f + 0.25f * glow + grid);
}

// A rounded plate; `lit` is the second frame, shown while the cursor is over the button.
bool InsidePlate(int x, int y, int w, int h, int r) {
  const int cx = std::clamp(x, r, w - 1 - r), cy = std::clamp(y, r, h - 1 - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

Painter Button(int w, int h) {
  return [w, h](Image& im, int x, int y) {
    const bool lit = y >= h;
    const int fy = y % h;
    if (!InsidePlate(x, fy, w, h, 14)) {
      im.Set(x, y, 0, 0, 0, 0);
      return;
    }
    const bool rim = !InsidePlate(x, fy, w, h, 11) || x < 3 || x >= w - 3 || fy < 3 || fy >= h - 3;
    const float shade = 0.75f + 0.25f * (1.0f - float(fy) / h);
    if (rim) {
      im.Set(x, y, 0.9f, 0.75f, 0.3f);
    } else if (lit) {
      im.Set(x, y, 0.85f * shade, 0.55f * shade, 0.1f * shade);
    } else {
      im.Set(x, y, 0.15f * shade, 0.2f * shade, 0.35f * shade);
    }
  };
}

// A downward arrow that the menus put above the selected button.
void Arrow(Image& im, int x, int y) {
  const bool head = y >= 28 && std::abs(x - 32) <= (60 - y);
  const bool shaft = y < 30 && std::abs(x - 32) <= 8;
  if (head || shaft) im.Set(x, y, 1.0f, 0.85f, 0.2f);
  else im.Set(x, y, 0, 0, 0, 0);
}

void Glint(Image& im, int x, int y) {
  const float d = std::hypot(x - 15.5f, y - 15.5f) / 16.0f;
  const float star = std::max(0.0f, 1.0f - std::min(std::abs(x - 15.5f), std::abs(y - 15.5f)) / 3.0f) * (1.0f - d);
  const float a = std::clamp(std::max(star, 1.0f - d * 1.6f), 0.0f, 1.0f);
  im.Set(x, y, 1, 1, 0.9f, a);
}

// The HUD's digit strips: 14 glyphs in 64-pixel cells, each inside its own span of the cell
// (the spans the HUD cuts them out by). Glyphs 0-9 are seven-segment digits, 10 the clock's
// colon, 13 its point; 11 and 12 stay empty.
Painter HudDigits(float r, float g, float b) {
  return [r, g, b](Image& im, int x, int y) {
    static constexpr int kOffset[14] = {3, 10, 12, 16, 17, 13, 11, 6, 9, 11, 18, 18, 18, 18};
    static constexpr int kWidth[14] = {51, 44, 46, 44, 37, 41, 38, 46, 44, 41, 27, 27, 27, 27};
    // Segments a-g of each digit, bit 0 = a (top), clockwise, bit 6 = g (middle).
    static constexpr int kSegments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    const int glyph = x / 64;
    const int left = x - (64 * glyph + kOffset[glyph]), width = kWidth[glyph];
    const int u = left - 4, w = width - 8, t = 7;
    bool on = false;
    if (left >= 0 && left < width && glyph < 10) {
      const bool top = y >= 6 && y < 6 + t, middle = y >= 29 && y < 29 + t, bottom = y >= 51 && y < 51 + t;
      const bool upper = y >= 6 && y < 36, lower = y >= 29 && y < 58;
      const bool leftSide = u >= 0 && u < t, rightSide = u >= w - t && u < w, across = u >= 0 && u < w;
      const bool segment[7] = {top && across,    upper && rightSide, lower && rightSide, bottom && across,
                               lower && leftSide, upper && leftSide,  middle && across};
      for (int i = 0; i < 7; ++i) on = on || ((kSegments[glyph] >> i & 1) && segment[i]);
    } else if (glyph == 10 && left >= 0 && left < width) {
      on = std::abs(left - width / 2) < 5 && (std::abs(y - 22) < 5 || std::abs(y - 44) < 5);
    } else if (glyph == 13 && left >= 0 && left < width) {
      on = std::abs(left - width / 2) < 5 && std::abs(y - 53) < 5;
    }
    if (on) im.Set(x, y, r, g, b);
    else im.Set(x, y, 0, 0, 0, 0);
  };
}

// The marks over guards: two Zs of a sleeper, the exclamation of surprise, the question of
// confusion.
bool InZ(int x, int y, int left, int top, int size) {
  const int u = x - left, v = y - top;
  if (u < 0 || v < 0 || u >= size || v >= size) return false;
  const int t = std::max(2, size / 6);
  return v < t || v >= size - t || std::abs((size - 1 - u) - v) < t;
}

void Sleeping(Image& im, int x, int y) {
  if (InZ(x, y, 4, 24, 36) || InZ(x, y, 40, 4, 20)) im.Set(x, y, 0.7f, 0.85f, 1.0f);
  else im.Set(x, y, 0, 0, 0, 0);
}

void Surprise(Image& im, int x, int y) {
  const bool bar = std::abs(x - 32) < 6 && y >= 4 && y < 44;
  const bool dot = std::hypot(x - 32, y - 54) < 6;
  if (bar || dot) im.Set(x, y, 1.0f, 0.3f, 0.2f);
  else im.Set(x, y, 0, 0, 0, 0);
}

void Confused(Image& im, int x, int y) {
  const float r = std::hypot(x - 32, y - 20);
  const bool hook = r > 10 && r < 17 && !(x < 32 && y > 20);
  const bool stem = std::abs(x - 32) < 4 && y >= 34 && y < 46;
  const bool dot = std::hypot(x - 32, y - 55) < 5;
  if (hook || stem || dot) im.Set(x, y, 1.0f, 0.85f, 0.2f);
  else im.Set(x, y, 0, 0, 0, 0);
}

// The HUD's battery bar, six cells from red to green: the HUD shows as much of it, from the
// left, as the battery holds.
void Battery(Image& im, int x, int y) {
  if (x % 8 == 0 || y < 2 || y >= 14) {
    im.Set(x, y, 0.08f, 0.06f, 0.1f, InsidePlate(x, y, 48, 16, 4) ? 1.0f : 0.0f);
    return;
  }
  const float charge = (x + 0.5f) / 48.0f;
  const float shine = y >= 3 && y < 6 ? 0.25f : 0.0f;
  im.Set(x, y, 1.0f - 0.8f * charge + shine, 0.35f + 0.6f * charge + shine, 0.2f + shine);
}

// The classic arrow: a white body with a black outline.
void Cursor(Image& im, int x, int y) {
  const bool body = x <= y && x < 12 && y < 18 && !(y > 12 && x > 24 - y);
  const bool outline = (x <= y + 1 && x < 14 && y < 20) && !body;
  if (body) im.Set(x, y, 1, 1, 1);
  else if (outline && y < 20 && !(y > 13 && x > 26 - y)) im.Set(x, y, 0, 0, 0);
  else im.Set(x, y, 0, 0, 0, 0);
}

// 32-bit BMP, bottom row first, alpha in the fourth byte (texgen's BMP has no alpha).
bool WriteBmpWithAlpha(const std::string& path, const Image& image) {
  std::ofstream out(path, std::ios::binary);
  const uint32_t pixels = uint32_t(image.width) * image.height * 4;
  auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
  out.write("BM", 2);
  u32(54 + pixels);
  u32(0);
  u32(54);
  u32(40);
  u32(uint32_t(image.width));
  u32(uint32_t(image.height));
  u16(1);
  u16(32);
  u32(0);
  u32(pixels);
  u32(2835);
  u32(2835);
  u32(0);
  u32(0);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const uint8_t* p = &image.rgba[(size_t(y) * image.width + x) * 4];
      const char bgra[4] = {char(p[2]), char(p[1]), char(p[0]), char(p[3])};
      out.write(bgra, 4);
    }
  }
  return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: guigen OUTPUT_DIR FONT_FILE\n");
    return 2;
  }
  const guigen::Lettering lettering(argv[2]);
  if (!lettering.Error().empty()) {
    std::fprintf(stderr, "guigen: %s\n", lettering.Error().c_str());
    return 1;
  }
  const Output outputs[] = {
      {"textures/gui/background.png", 1024, 768, Background, texgen::WritePng},
      {"textures/gui/button.png", 256, 128, Button(256, 64), texgen::WritePng},
      {"textures/gui/smallbutton.png", 128, 96, Button(128, 48), texgen::WritePng},
      {"textures/gui/arrow.png", 64, 64, Arrow, texgen::WritePng},
      {"textures/gui/glint.png", 32, 32, Glint, texgen::WritePng},
      {"textures/gui/cursor.bmp", 16, 24, Cursor, WriteBmpWithAlpha},
      {"textures/gui/numbersYellow.dds", 896, 64, HudDigits(1.0f, 0.85f, 0.2f), texgen::WriteDds},
      {"textures/gui/numbersWhite.dds", 896, 64, HudDigits(1.0f, 1.0f, 1.0f), texgen::WriteDds},
      {"textures/gui/sleeping.png", 64, 64, Sleeping, texgen::WritePng},
      {"textures/gui/surprise.png", 64, 64, Surprise, texgen::WritePng},
      {"textures/gui/confused.png", 64, 64, Confused, texgen::WritePng},
      {"textures/gui/busted.png", 544, 408, guigen::Busted(lettering), texgen::WritePng},
      {"textures/gui/timesup.png", 1248, 408, guigen::TimesUp(lettering), texgen::WritePng},
      {"textures/gui/place1.png", 128, 80, guigen::ComputerPlace(lettering, 1), texgen::WritePng},
      {"textures/gui/place2.png", 128, 80, guigen::ComputerPlace(lettering, 2), texgen::WritePng},
      {"textures/gui/place3.png", 128, 80, guigen::ComputerPlace(lettering, 3), texgen::WritePng},
      {"textures/gui/place4.png", 128, 80, guigen::ComputerPlace(lettering, 4), texgen::WritePng},
      {"textures/gui/yourplace1.png", 512, 128, guigen::UserWin(lettering), texgen::WritePng},
      {"textures/gui/yourplace2.png", 256, 128, guigen::UserPlace(lettering, 2), texgen::WritePng},
      {"textures/gui/yourplace3.png", 256, 128, guigen::UserPlace(lettering, 3), texgen::WritePng},
      {"textures/gui/yourplace4.png", 256, 128, guigen::UserPlace(lettering, 4), texgen::WritePng},
      {"textures/gui/you.png", 256, 104, guigen::YouArrow(lettering), texgen::WritePng},
      {"textures/gui/doorprompt.png", 512, 64, guigen::DoorPrompt(lettering), texgen::WritePng},
      {"textures/gui/carryprompt.png", 384, 64, guigen::CarryPrompt(lettering), texgen::WritePng},
      {"textures/gui/battery.png", 48, 16, Battery, texgen::WritePng},
      {"textures/gui/dropoff.png", 256, 64, guigen::DropoffSign(lettering), texgen::WritePng},
      {"textures/gui/tolobby.png", 256, 64, guigen::TeleportSign(lettering, "Lobby", 0.2f, 0.35f, 0.7f), texgen::WritePng},
      {"textures/gui/togallery.png", 256, 64, guigen::TeleportSign(lettering, "Gallery", 0.7f, 0.4f, 0.15f), texgen::WritePng},
      {"textures/gui/tovault.png", 256, 64, guigen::TeleportSign(lettering, "Vault", 0.45f, 0.2f, 0.6f), texgen::WritePng},
  };
  return texgen::WriteOutputs("guigen", argv[1], outputs);
}
