#include "tools/modelgen/Props.h"

#include "tools/modelgen/ShapeBuilder.h"

namespace modelgen {

using namespace platform::xfile;

namespace {

constexpr Rgb kBlack{20, 20, 24}, kGold{220, 175, 50}, kGrey{120, 122, 128};

ModelAsset Emblem() {
  ShapeBuilder s;
  const ProfilePoint rim[] = {{20, -1.5f}, {21, 0}, {20, 1.5f}};
  s.Lathe({0, 0, 0}, {1, 0, 0}, rim, 32, {0.02f, 0.9f, 0.98f, 0.98f}, 1, 1, false);
  s.Disc({-1.5f, 0, 0}, {-1, 0, 0}, {0, 1, 0}, 20, 32, {0.02f, 0.02f, 0.86f, 0.86f});
  s.Disc({1.5f, 0, 0}, {1, 0, 0}, {0, -1, 0}, 20, 32, {0.02f, 0.02f, 0.86f, 0.86f});
  return PaintedProp("emblem", "Emblem", s, 128, kGold, [](Image& img) {
    img.Ellipse(0.44f, 0.44f, 0.42f, 0.42f, {30, 40, 90});
    img.Ellipse(0.44f, 0.44f, 0.36f, 0.36f, kGold);
    img.Line(0.24f, 0.22f, 0.44f, 0.68f, 0.09f, {30, 40, 90});  // a "V" for the vault
    img.Line(0.64f, 0.22f, 0.44f, 0.68f, 0.09f, {30, 40, 90});
    img.Rect(0, 0.88f, 1, 1, {160, 120, 30});
  });
}

ModelAsset Arrow() {
  ShapeBuilder s;
  s.Tube({0, 0, 18}, {0, 0, -2}, 4, 4, 12, 2, kLeft);
  const ProfilePoint head[] = {{10, 0}, {0, 16}};
  s.Lathe({0, 0, -2}, {0, 0, -1}, head, 16, kRight);
  return PaintedProp("arrow", "Arrow", s, 64, {60, 220, 80}, [](Image& img) {
    img.Rect(0.52f, 0, 1, 0.25f, {170, 255, 150});
    img.Rect(0, 0.45f, 0.5f, 0.55f, {170, 255, 150});
  });
}

ModelAsset Cone() {
  ShapeBuilder s;
  const ProfilePoint beam[] = {{0.5f, 0}, {15, 62}, {30, 125}, {45, 188}, {60, 250}};
  s.Lathe({0, 0, 0}, {1, 0, 0}, beam, 16, kAll, 1, 1, false);
  return PaintedProp(
      "cone", "Cone", s, 64, {255, 250, 210},
      [](Image& img) {
        for (int i = 0; i < 8; ++i) {  // fades towards the far end
          const uint8_t level = uint8_t(250 - i * 22);
          img.Rect(0, float(i) / 8, 1, float(i + 1) / 8, {level, level, uint8_t(level * 0.8f)});
        }
      },
      0.5f);
}

ModelAsset Box() {
  ShapeBuilder s;
  s.Box({0, 0, 0}, {30, 30, 27}, kAll);
  return PaintedProp("box", "Box", s, 128, {176, 132, 80}, [](Image& img) {
    img.Rect(0, 0.44f, 1, 0.56f, {205, 180, 130});  // tape
    img.Rect(0.06f, 0.06f, 0.94f, 0.08f, {140, 100, 60});
    img.Line(0.12f, 0.3f, 0.12f, 0.16f, 0.03f, kBlack);  // "this way up"
    img.Line(0.12f, 0.16f, 0.08f, 0.22f, 0.03f, kBlack);
    img.Line(0.12f, 0.16f, 0.16f, 0.22f, 0.03f, kBlack);
    img.Rect(0.7f, 0.7f, 0.9f, 0.85f, {120, 85, 50});
  });
}

ModelAsset SmokeBomb() {
  ShapeBuilder s;
  s.Ellipsoid({0, 0, 0}, {1.8f, 1.8f, 1.8f}, 12, 8, kLeft);
  s.Tube({0, 0, 1.4f}, {0, 0, 2.6f}, 0.7f, 0.6f, 8, 1, kRight);
  return PaintedProp("smokebomb", "SmokeBomb", s, 64, {70, 75, 80}, [](Image& img) {
    img.Rect(0, 0.44f, 0.5f, 0.56f, {200, 40, 40});
    img.Rect(0.5f, 0, 1, 1, kGrey);
  });
}

ModelAsset Battery() {
  ShapeBuilder s;
  const ProfilePoint body[] = {{4, 0}, {4, 9}, {4, 14}};
  s.Lathe({0, 0, -7}, {0, 0, 1}, body, 14, kLeft);
  s.Tube({0, 0, 7}, {0, 0, 8.5f}, 1.5f, 1.5f, 8, 1, kRight);
  return PaintedProp("battery", "Battery", s, 64, kBlack, [](Image& img) {
    img.Rect(0, 0.55f, 0.5f, 1, {210, 140, 40});               // copper top
    img.Line(0.1f, 0.3f, 0.4f, 0.3f, 0.06f, {230, 230, 230});  // a "+" all round
    img.Line(0.25f, 0.18f, 0.25f, 0.42f, 0.06f, {230, 230, 230});
    img.Rect(0.5f, 0, 1, 1, {200, 200, 205});
  });
}

ModelAsset SuctionCup() {
  ShapeBuilder s;
  s.Tube({8, 0, 0}, {0, 0, 0}, 0.6f, 0.6f, 8, 1, kLeft);
  const ProfilePoint cup[] = {{0.8f, 0}, {2.4f, 1.8f}, {3.0f, 2.6f}};
  s.Lathe({0, 0, 0}, {-1, 0, 0}, cup, 14, kRight);
  return PaintedProp("suctioncup", "SuctionCup", s, 64, {230, 200, 60}, [](Image& img) {
    img.Rect(0.5f, 0, 1, 1, {200, 30, 40});
  });
}

// The emitter's lens shows the first texture while it shines, the second while it is dark.
ModelAsset TripLaser() {
  ShapeBuilder s;
  s.Box({3, 0, 0.5f}, {3, 6, 8}, kLeft);
  s.Tube({5.5f, 0, 0.5f}, {8.4f, 0, 0.5f}, 3.2f, 3.2f, 14, 1, {0.52f, 0.02f, 0.98f, 0.48f});
  s.Disc({8.5f, 0, 0.5f}, {1, 0, 0}, {0, -1, 0}, 2.8f, 14, {0.52f, 0.52f, 0.98f, 0.98f});
  auto paint = [](bool lit) {
    Image img(64, 64, {90, 92, 98});
    img.Rect(0, 0, 0.5f, 0.12f, {60, 62, 68});
    img.Rect(0.5f, 0, 1, 0.5f, kBlack);
    img.Rect(0.5f, 0.5f, 1, 1, lit ? Rgb{255, 40, 30} : Rgb{70, 10, 10});
    if (lit) img.Ellipse(0.75f, 0.75f, 0.12f, 0.12f, {255, 200, 190});
    img.Grain(4);
    return img;
  };
  const std::string on = "models/triplaser_0.png", off = "models/triplaser_1.png";
  return {"tripLaser",
          StaticModel("TripLaser", s.Finish("TripLaserMesh", {TexturedMaterial(on)})),
          {{on, paint(true)}, {off, paint(false)}},
          {on, off}};
}

ModelAsset Taser() {
  ShapeBuilder s;
  s.Box({0, 0, 0}, {5, 1.5f, 1.8f}, kLeft);
  s.Box({3, 0, -3.4f}, {1.2f, 1.3f, 2.4f}, kRight);
  for (float y : {-0.8f, 0.8f}) s.Box({-5.8f, y, 0.8f}, {0.8f, 0.25f, 0.25f}, kRight);
  return PaintedProp("taser", "Taser", s, 64, {235, 200, 30}, [](Image& img) {
    img.Bands({0, 0.02f, 0.5f, 0.4f}, {235, 200, 30}, kBlack, 4, false);
    img.Rect(0.5f, 0, 1, 1, kGrey);
  });
}

ModelAsset SuctionCupGun() {
  ShapeBuilder s;
  s.Tube({4, 0, 0}, {-6, 0, 0}, 1.3f, 1.1f, 12, 2, kLeft);
  s.Box({3, 0, -3}, {1.1f, 1.0f, 2.2f}, kRight);
  const ProfilePoint cup[] = {{0.6f, 0}, {1.8f, 1.2f}, {2.2f, 1.8f}};
  s.Lathe({-6, 0, 0}, {-1, 0, 0}, cup, 12, {0.52f, 0.52f, 0.98f, 0.98f});
  return PaintedProp("suctioncupgun", "SuctionCupGun", s, 64, {40, 140, 200}, [](Image& img) {
    img.Rect(0.5f, 0, 1, 0.5f, kBlack);
    img.Rect(0.5f, 0.5f, 1, 1, {200, 30, 40});
  });
}

}  // namespace

std::vector<ModelAsset> Props() {
  return {Emblem(),  Arrow(),      Cone(),      Box(),   SmokeBomb(),
          Battery(), SuctionCup(), TripLaser(), Taser(), SuctionCupGun()};
}

}  // namespace modelgen
