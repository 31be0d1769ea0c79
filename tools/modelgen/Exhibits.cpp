#include "tools/modelgen/Exhibits.h"

#include <cmath>

namespace modelgen {

namespace {

constexpr Rgb kGold{225, 180, 55}, kMarble{228, 224, 215};

ModelAsset Vase() {
  ShapeBuilder s;
  const ProfilePoint body[] = {{6, 0},  {10, 4}, {13, 12}, {12, 20},
                               {7, 27}, {5, 31}, {7, 35},  {7.5f, 36}};
  s.Lathe({0, 0, -18}, {0, 0, 1}, body, 16, kAll);
  return PaintedProp("vase", "Vase", s, 128, {40, 70, 150}, [](Image& img) {
    img.Bands({0, 0.3f, 1, 0.6f}, {230, 230, 240}, {40, 70, 150}, 3, true);
    for (int i = 0; i < 8; ++i)
      img.Ellipse((float(i) + 0.5f) / 8, 0.45f, 0.03f, 0.05f, {230, 230, 240});
    img.Rect(0, 0.9f, 1, 1, {230, 230, 240});
  });
}

ModelAsset Bust() {
  ShapeBuilder s;
  s.Box({0, 0, -14}, {8, 8, 6}, kRight);              // plinth
  s.Ellipsoid({0, 0, -3}, {6, 10, 6}, 12, 8, kLeft);  // shoulders
  s.Tube({0, 0, 1}, {0, 0, 6}, 2.5f, 2.5f, 8, 1, kLeft);
  s.Ellipsoid({0, 0, 11}, {5.5f, 4.8f, 6.5f}, 12, 10, kLeft);
  s.Ellipsoid({-5.4f, 0, 10}, {1.2f, 0.8f, 1.5f}, 6, 4, kLeft);
  return PaintedProp("bust", "Bust", s, 64, kMarble, [](Image& img) {
    img.Rect(0.5f, 0, 1, 1, {90, 70, 60});
    img.Rect(0.5f, 0.4f, 1, 0.6f, kGold);
  });
}

ModelAsset Painting() {
  ShapeBuilder s;
  s.Box({1, 0, 0}, {1, 20, 15}, kRight);        // frame
  s.Box({-0.2f, 0, 0}, {0.2f, 17, 12}, kLeft);  // canvas
  return PaintedProp("painting", "Painting", s, 128, {120, 160, 210}, [](Image& img) {
    img.Rect(0, 0.55f, 0.5f, 1, {70, 130, 60});               // hills
    img.Ellipse(0.35f, 0.25f, 0.06f, 0.06f, {250, 220, 90});  // sun
    img.Ellipse(0.2f, 0.6f, 0.12f, 0.08f, {50, 100, 40});
    img.Rect(0.5f, 0, 1, 1, kGold);
    img.Bands({0.5f, 0, 1, 1}, kGold, {170, 125, 35}, 6, true);
  });
}

ModelAsset Crown() {
  ShapeBuilder s;
  const ProfilePoint band[] = {{9, 0}, {9.5f, 6}};
  s.Lathe({0, 0, -6}, {0, 0, 1}, band, 20, kLeft, 1, 1, false);
  for (int i = 0; i < 6; ++i) {
    const float a = 6.2831853f * float(i) / 6;
    const Vec3 base{9.2f * std::cos(a), 9.2f * std::sin(a), 0};
    const ProfilePoint spike[] = {{1.8f, 0}, {0, 7}};
    s.Lathe(base, {0, 0, 1}, spike, 6, kLeft);
    s.Ellipsoid({base.x, base.y, 7.5f}, {1.2f, 1.2f, 1.2f}, 6, 4, kRight);
  }
  return PaintedProp("crown", "Crown", s, 64, kGold, [](Image& img) {
    for (int i = 0; i < 5; ++i)
      img.Ellipse(0.05f + 0.1f * float(i), 0.3f, 0.03f, 0.06f, {200, 30, 50});
    img.Rect(0.5f, 0, 1, 1, {220, 230, 250});
  });
}

ModelAsset Gem() {
  ShapeBuilder s;
  const ProfilePoint facets[] = {{0, -9}, {8, 0}, {5.5f, 3.5f}, {0, 4}};
  s.Lathe({0, 0, 0}, {0, 0, 1}, facets, 8, kAll);
  return PaintedProp("gem", "Gem", s, 64, {30, 190, 90}, [](Image& img) {
    img.Bands(kAll, {30, 190, 90}, {120, 240, 160}, 4, false);
  });
}

ModelAsset Idol() {
  ShapeBuilder s;
  s.Box({0, 0, -13}, {6, 6, 2}, kRight);
  s.Ellipsoid({0, 0, -5}, {4.5f, 5.5f, 7}, 10, 8, kLeft);
  s.Ellipsoid({0, 0, 6}, {4.5f, 4.5f, 5}, 10, 8, kLeft);
  for (float y : {-5.5f, 5.5f}) s.Ellipsoid({0, y, 9}, {1.5f, 1.5f, 3}, 6, 4, kLeft);  // ears
  return PaintedProp("idol", "Idol", s, 64, kGold, [](Image& img) {
    img.Ellipse(0.22f, 0.45f, 0.03f, 0.03f, {30, 200, 80});
    img.Ellipse(0.28f, 0.45f, 0.03f, 0.03f, {30, 200, 80});
    img.Rect(0.5f, 0, 1, 1, {60, 45, 35});
  });
}

}  // namespace

std::vector<ModelAsset> Exhibits() { return {Vase(), Bust(), Painting(), Crown(), Gem(), Idol()}; }

}  // namespace modelgen
