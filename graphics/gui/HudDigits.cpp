#include "graphics/gui/HudDigits.h"

#include <algorithm>
#include <cstdio>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/Graphics.h"

namespace {

constexpr int kOffset[14] = {3, 10, 12, 16, 17, 13, 11, 6, 9, 11, 18, 18, 18, 18};
constexpr int kWidth[14] = {51, 44, 46, 44, 37, 41, 38, 46, 44, 41, 27, 27, 27, 27};
constexpr int kCell = 64;
constexpr float kLongestClock = 99 * 60 + 59.99f;

int Centred(int x, int windowWidth) { return x + (windowWidth - 1024) / 2; }

void DrawGlyphs(const std::vector<HudGlyph>& glyphs, const char* textureName, uint32_t argb) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  platform::SpriteBatch* sprite = graphics ? graphics->GetSprite() : nullptr;
  if (!sprite || !graphics->GetTextureManager()) return;
  platform::Texture* texture = graphics->GetTextureManager()->GetOrLoad(textureName);
  if (!texture) return;
  for (const HudGlyph& g : glyphs) {
    const platform::IntRect source{kCell * g.glyph + kOffset[g.glyph], 0,
                                   kCell * g.glyph + kOffset[g.glyph] + kWidth[g.glyph], kCell};
    const platform::Matrix place = platform::MatrixScaling(g.scale, g.scale, 1.0f) *
                                   platform::MatrixTranslation(static_cast<float>(g.x), static_cast<float>(g.y), 0.0f);
    sprite->SetTransform(place.Data());
    sprite->Draw(*texture, &source, nullptr, nullptr, argb);
  }
  sprite->SetTransform(platform::MatrixIdentity().Data());
}

int WindowWidth() {
  MainWindow* window = MainWindow::Instance();
  return window ? window->GetWidth() : 1024;
}

}  // namespace

std::vector<HudGlyph> LayoutHudNumber(int value, int x, int y, float scale, int windowWidth) {
  x = Centred(x, windowWidth);
  // The strip has digits only: a negative value shows as 0 rather than as its digits.
  value = std::max(value, 0);
  char text[16];
  std::snprintf(text, sizeof text, "%d", value);
  int total = 0;
  for (const char* c = text; *c; ++c) total += static_cast<int>((kWidth[*c - '0'] - 5) * scale);
  const int start = static_cast<int>(x - total * 0.5f);
  std::vector<HudGlyph> glyphs;
  int advance = 0;
  for (const char* c = text; *c; ++c) {
    const int d = *c - '0';
    glyphs.push_back({d, start + advance, y, scale});
    advance += static_cast<int>((kWidth[d] - 5) * scale);
  }
  return glyphs;
}

std::vector<HudGlyph> LayoutHudClock(int x, int y, float seconds, int windowWidth) {
  x = Centred(x, windowWidth);
  // Two digits of minutes: anything longer stands at 99:59.99, and nothing (not even NaN)
  // falls below 0, so every glyph stays inside the table.
  seconds = seconds >= 0.0f ? std::min(seconds, kLongestClock) : 0.0f;
  const int ms = static_cast<int>(seconds * 1000.0f);
  const int minutes = ms / 60000;
  const int s = (ms % 60000) / 1000;
  const int hundredths = (ms % 1000) / 10;
  const int big[6] = {minutes / 10, minutes % 10, 10, s / 10, s % 10, 13};
  std::vector<HudGlyph> glyphs;
  int advance = 0;
  for (int g : big) {
    glyphs.push_back({g, x + advance, y, 1.0f});
    advance += kWidth[g] - 5;
  }
  for (int g : {hundredths / 10, hundredths % 10}) {
    glyphs.push_back({g, x + advance, y + 28, 0.5f});
    advance += static_cast<int>(-(3.0f - kWidth[g] * 0.5f));
  }
  return glyphs;
}

void DrawHudNumber(int value, int x, int y, float scale, float alpha) {
  const uint32_t a = static_cast<uint32_t>(alpha * 255.0f) & 0xFF;
  DrawGlyphs(LayoutHudNumber(value, x, y, scale, WindowWidth()), "gui/numbersYellow.dds", a << 24 | 0xFFFFFF);
}

void DrawHudClock(int x, int y, float seconds) {
  DrawGlyphs(LayoutHudClock(x, y, seconds, WindowWidth()), "gui/numbersWhite.dds", 0xFFFFFFFF);
}
