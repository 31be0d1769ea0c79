#include "tools/guigen/Signs.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <utility>

namespace guigen {
namespace {

using texgen::Image;
using texgen::Painter;

constexpr float kPi = 3.14159265f;

struct Rgba {
  float r, g, b, a;
};
constexpr Rgba kClear{0, 0, 0, 0};
constexpr Rgba kWhite{1, 1, 1, 1};
constexpr Rgba kInk{0.08f, 0.06f, 0.1f, 1};
constexpr Rgba kGold{1.0f, 0.85f, 0.2f, 1};

Rgba Scaled(Rgba c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

// `over` laid on `under` where it covers `cover` (0 to 1) of the pixel.
Rgba Over(Rgba under, Rgba over, float cover) {
  const float a = over.a * std::clamp(cover, 0.0f, 1.0f);
  const float out = a + under.a * (1 - a);
  if (out <= 0) return kClear;
  auto mix = [&](float u, float o) { return (o * a + u * under.a * (1 - a)) / out; };
  return {mix(under.r, over.r), mix(under.g, over.g), mix(under.b, over.b), out};
}

void Put(Image& im, int x, int y, Rgba c) { im.Set(x, y, c.r, c.g, c.b, c.a); }

// How much of the pixel (x, y) a disc of radius `radius` at distance `d` from its centre covers.
float Disc(float d, float radius) { return std::clamp(radius - d + 0.5f, 0.0f, 1.0f); }

// How much of the pixel a rounded rectangle covers.
float Plate(int x, int y, float left, float top, float width, float height, float radius) {
  const float px = x + 0.5f, py = y + 0.5f;
  const float cx = std::clamp(px, left + radius, left + width - radius);
  const float cy = std::clamp(py, top + radius, top + height - radius);
  return Disc(std::hypot(px - cx, py - cy), radius);
}

// A word centred on a point, with a dark outline `edge` pixels wide behind it. What stands on
// the baseline is centred: a descender hangs below.
class Word {
 public:
  Word(Mask ink, int cx, int cy, int edge)
      : ink_(std::move(ink)), outline_(ink_.Grown(edge)), left_(cx - ink_.width / 2),
        top_(cy - ink_.baseline / 2), edge_(edge) {}
  Rgba Over(Rgba under, int x, int y, Rgba fill, Rgba edgeColour = kInk) const {
    under = guigen::Over(under, edgeColour, outline_.At(x - left_ + edge_, y - top_ + edge_));
    return guigen::Over(under, fill, ink_.At(x - left_, y - top_));
  }

 private:
  Mask ink_;
  Mask outline_;
  int left_;
  int top_;
  int edge_;
};

// A sheet of frames, `perRow` to a row, each painted in its own coordinates.
Painter Sheet(int frameWidth, int frameHeight, int perRow, std::function<Rgba(int, int, int)> frame) {
  return [=](Image& im, int x, int y) {
    Put(im, x, y, frame(y / frameHeight * perRow + x / frameWidth, x % frameWidth, y % frameHeight));
  };
}

// A plate with a rim, lighter towards its top.
Rgba RimmedPlate(Rgba under, int x, int y, float left, float top, float width, float height, float radius,
                 float rim, Rgba rimColour, Rgba fill) {
  const float shade = 0.8f + 0.3f * (1.0f - std::clamp((y - top) / height, 0.0f, 1.0f));
  under = Over(under, rimColour, Plate(x, y, left, top, width, height, radius));
  return Over(under, Scaled(fill, shade),
              Plate(x, y, left + rim, top + rim, width - 2 * rim, height - 2 * rim, radius - rim));
}

// A star of five points of the two radii, tip up.
bool InStar(float dx, float dy, float inner, float outer) {
  const float turn = std::atan2(dx, -dy) / (2 * kPi) * 5;
  const float tip = std::abs(turn - std::round(turn)) * 2;  // 0 at a tip, 1 between two
  return std::hypot(dx, dy) <= outer + (inner - outer) * tip;
}

// An arrow pointing down, `half` wide at its head, from `top` to `bottom` about column `cx`.
bool InDownArrow(int x, int y, int cx, int top, int bottom, int shaft, int half) {
  const int headTop = bottom - half;
  const int dx = std::abs(x - cx);
  return (y >= top && y < headTop + 2 && dx <= shaft) || (y >= headTop && y < bottom && dx <= (bottom - y) * half / (bottom - headTop));
}

Mask Shape(int width, int height, const std::function<bool(int, int)>& inside) {
  Mask mask;
  mask.width = width;
  mask.height = height;
  mask.baseline = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) mask.coverage.push_back(inside(x, y) ? 255 : 0);
  return mask;
}

const char* PlaceWord(int place) {
  static constexpr std::array<const char*, 4> kWords = {"1st", "2nd", "3rd", "4th"};
  return kWords[size_t(std::clamp(place, 1, 4) - 1)];
}

// Gold, silver, bronze, slate.
Rgba PlaceColour(int place) {
  static constexpr std::array<Rgba, 4> kColours = {
      Rgba{0.98f, 0.76f, 0.18f, 1}, Rgba{0.78f, 0.8f, 0.86f, 1}, Rgba{0.8f, 0.48f, 0.22f, 1}, Rgba{0.42f, 0.47f, 0.58f, 1}};
  return kColours[size_t(std::clamp(place, 1, 4) - 1)];
}

// The prompts' plate: the menus' buttons at rest, dark blue in a gold rim.
Rgba PromptPlate(int x, int y, float left, float width) {
  return RimmedPlate(kClear, x, y, left, 2, width, 60, 14, 3, {0.9f, 0.75f, 0.3f, 1}, {0.13f, 0.18f, 0.34f, 1});
}

}  // namespace

Painter Busted(const Lettering& lettering) {
  const Word word(lettering.Fitted("BUSTED!", 60, 176), 136, 102, 4);
  return Sheet(272, 204, 2, [word](int frame, int x, int y) {
    // A burst of fourteen spikes that turns a little and swells frame by frame; the word stays
    // inside it in every frame.
    static constexpr float kSwell[4] = {1.0f, 0.97f, 0.94f, 0.97f};
    const float u = (x + 0.5f - 136) / 134, v = (y + 0.5f - 102) / 98;
    const float r = std::hypot(u, v);
    const float spikes = std::atan2(v, u) / (2 * kPi) * 14 + frame * 0.25f;
    const float valley = std::abs(spikes - std::round(spikes)) * 2;
    const float edge = kSwell[frame % 4] * (1.0f - 0.25f * valley);
    Rgba c = Over(kClear, {0.3f, 0.02f, 0.02f, 1}, (edge - r) * 120 + 0.5f);
    // Its colours stand still while its edge moves: the middle is the same in every frame.
    const float t = std::pow(std::clamp(r, 0.0f, 1.0f), 1.5f);
    c = Over(c, {1.0f - 0.1f * t, 0.9f - 0.75f * t, 0.3f - 0.2f * t, 1}, (edge - 0.05f - r) * 120 + 0.5f);
    return word.Over(c, x, y, kWhite, {0.2f, 0.0f, 0.0f, 1});
  });
}

Painter TimesUp(const Lettering& lettering) {
  const Word word(lettering.Fitted("Time's up!", 54, 296), 156, 162, 4);
  return Sheet(312, 204, 4, [word](int frame, int x, int y) {
    // An alarm clock whose hands stand at twelve, shaking as it rings.
    const bool ringing = frame % 2 == 1;
    const float cx = 156 + (ringing ? 4.0f : -4.0f), cy = 70, radius = 42;
    const float px = x + 0.5f - cx, py = y + 0.5f - cy;
    const float d = std::hypot(px, py);
    Rgba c = kClear;
    for (const float side : {-1.0f, 1.0f}) {
      const float bell = std::hypot(px - side * 30, py + 38);
      c = Over(c, kInk, Disc(bell, 15));
      c = Over(c, {0.88f, 0.68f, 0.22f, 1}, Disc(bell, 12));
      const float foot = std::abs(px - side * 27) + std::max(0.0f, std::abs(py - 44) - 6);
      c = Over(c, kInk, Disc(foot, 3));
    }
    c = Over(c, kInk, Disc(d, radius + 2));
    c = Over(c, {0.82f, 0.16f, 0.12f, 1}, Disc(d, radius));
    c = Over(c, {0.98f, 0.95f, 0.86f, 1}, Disc(d, radius - 7));
    const float hour = std::atan2(px, -py) / (2 * kPi) * 12;
    if (d > radius - 17 && d < radius - 10 && std::abs(hour - std::round(hour)) < 0.08f) c = Over(c, kInk, 1);
    const bool hands = (std::abs(px) < 2.5f && py > -27 && py < 3) || (std::abs(px) < 4 && py > -18 && py < 3);
    if (hands || d < 4) c = Over(c, kInk, 1);
    // The ring: short arcs beside the bells, further out on every other frame.
    const float reach = ringing ? 60.0f : 54.0f;
    const float angle = std::atan2(py, px) * 180 / kPi;
    if (std::abs(d - reach) < 2.2f && (std::abs(angle + 150) < 18 || std::abs(angle + 30) < 18)) c = Over(c, kWhite, 1);
    return word.Over(c, x, y, {1.0f, 0.9f, 0.35f, 1}, {0.12f, 0.06f, 0.0f, 1});
  });
}

Painter ComputerPlace(const Lettering& lettering, int place) {
  const Word word(lettering.Fitted(PlaceWord(place), 46, 92), 64, 40, 3);
  const Rgba colour = PlaceColour(place);
  return [word, colour](Image& im, int x, int y) {
    const Rgba c = RimmedPlate(kClear, x, y, 4, 4, 120, 72, 18, 3, Scaled(colour, 0.5f), colour);
    Put(im, x, y, word.Over(c, x, y, kWhite));
  };
}

Painter UserPlace(const Lettering& lettering, int place) {
  const Word word(lettering.Fitted(PlaceWord(place), 80, 180), 128, 64, 5);
  const Rgba colour = PlaceColour(place);
  return [word, colour](Image& im, int x, int y) {
    const Rgba c = RimmedPlate(kClear, x, y, 12, 8, 232, 112, 30, 5, {1.0f, 0.97f, 0.85f, 1}, colour);
    Put(im, x, y, word.Over(c, x, y, kWhite));
  };
}

Painter UserWin(const Lettering& lettering) {
  const Word word(lettering.Fitted(PlaceWord(1), 96, 190), 256, 64, 5);
  return [word](Image& im, int x, int y) {
    Rgba c = kClear;
    // Ribbon tails behind the plate, each cut with a notch at its outer end.
    for (const float side : {-1.0f, 1.0f}) {
      const float out = side * (x + 0.5f - 256);
      const bool tail = out > 100 && out < 176 && y >= 34 && y < 108 && out - 156 < std::abs(y - 71.0f);
      if (tail) c = Over(c, {0.75f, 0.14f, 0.14f, 1}, 1);
      if (InStar(side * (x + 0.5f - 256) - 150, y + 0.5f - 20, 6, 14)) c = Over(c, {1.0f, 0.95f, 0.6f, 1}, 1);
    }
    c = RimmedPlate(c, x, y, 140, 6, 232, 116, 34, 6, {1.0f, 0.97f, 0.85f, 1}, PlaceColour(1));
    Put(im, x, y, word.Over(c, x, y, kWhite));
  };
}

Painter YouArrow(const Lettering& lettering) {
  const Word word(lettering.Fitted("You", 40, 200), 128, 22, 3);
  const Word arrow(Shape(256, 104, [](int x, int y) { return InDownArrow(x, y, 128, 46, 100, 8, 24); }), 128, 52, 3);
  return [word, arrow](Image& im, int x, int y) {
    Put(im, x, y, word.Over(arrow.Over(kClear, x, y, kGold), x, y, kGold));
  };
}

Painter DoorPrompt(const Lettering& lettering) {
  // "Press" and the key on a key cap beside it, on a plate in the middle of the picture: the HUD
  // places the picture's left edge a quarter of the way across, so the plate stands centred.
  const Mask press = lettering.Fitted("Press", 34, 140);
  const int cap = 42, gap = 12;
  const int left = 256 - (press.width + gap + cap) / 2;
  const Word word(press, left + press.width / 2, 32, 2);
  const int capLeft = left + press.width + gap;
  const Word key(lettering.Fitted("E", 26, 30), capLeft + cap / 2, 32, 0);
  return [word, key, capLeft, cap](Image& im, int x, int y) {
    Rgba c = PromptPlate(x, y, 130, 252);
    c = RimmedPlate(c, x, y, float(capLeft), 11, float(cap), float(cap), 7, 2, kInk, {0.92f, 0.92f, 0.95f, 1});
    c = key.Over(c, x, y, kInk);
    Put(im, x, y, word.Over(c, x, y, kWhite));
  };
}

Painter CarryPrompt(const Lettering& lettering) {
  // The plate runs on past the picture's left edge, where the screen's edge is.
  const Word word(lettering.Fitted("Take it to a drop-off", 32, 340), 196, 32, 2);
  return [word](Image& im, int x, int y) { Put(im, x, y, word.Over(PromptPlate(x, y, -24, 406), x, y, kWhite)); };
}

Painter DropoffSign(const Lettering& lettering) {
  const Word word(lettering.Fitted("Drop-off", 36, 150), 128, 32, 2);
  return [word](Image& im, int x, int y) {
    Rgba c = RimmedPlate(kClear, x, y, 0, 0, 256, 64, 20, 3, kWhite, {0.18f, 0.55f, 0.24f, 1});
    if (InDownArrow(x, y, 30, 12, 52, 4, 12) || InDownArrow(x, y, 226, 12, 52, 4, 12)) c = Over(c, kWhite, 1);
    Put(im, x, y, word.Over(c, x, y, kWhite, Rgba{0.05f, 0.2f, 0.08f, 1}));
  };
}

Painter TeleportSign(const Lettering& lettering, const std::string& room, float r, float g, float b) {
  const Word word(lettering.Fitted(room, 36, 136), 94, 32, 2);
  const Rgba plate{r, g, b, 1};
  return [word, plate](Image& im, int x, int y) {
    Rgba c = RimmedPlate(kClear, x, y, 0, 0, 256, 64, 20, 3, kWhite, plate);
    // A doorway with an arrow leading into it.
    const bool door = x >= 200 && x < 236 && y >= 10 && y < 56 && !(x >= 205 && x < 231 && y >= 15);
    const bool arrow = (y >= 30 && y < 37 && x >= 172 && x < 188) || (x >= 186 && std::abs(y - 33) <= 196 - x);
    if (door || arrow) c = Over(c, kWhite, 1);
    Put(im, x, y, word.Over(c, x, y, kWhite));
  };
}

}  // namespace guigen
