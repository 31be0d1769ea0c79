#include "tools/modelgen/Skins.h"

#include "tools/modelgen/Atlas.h"

namespace modelgen {

namespace {

struct Outfit {
  Rgb shirt, stripe, trousers, shoes, gloves, hat, gear, skin, hair;
  bool masked = true;
  bool eyesShut = false;
};

constexpr Rgb kBlack{24, 24, 28}, kWhite{235, 235, 230}, kGold{218, 170, 40};

Rgb Shade(Rgb c) { return {uint8_t(c[0] * 3 / 4), uint8_t(c[1] * 3 / 4), uint8_t(c[2] * 3 / 4)}; }

UvRect Sub(const UvRect& r, float s0, float t0, float s1, float t1) {
  return {r.u0 + (r.u1 - r.u0) * s0, r.v0 + (r.v1 - r.v0) * t0, r.u0 + (r.u1 - r.u0) * s1,
          r.v0 + (r.v1 - r.v0) * t1};
}

// The head is wrapped once around: its front is the middle column, eyes just above the middle
// row. Shapes are given in the face rect's own 0..1 coordinates.
void FaceEllipse(Image& img, float s, float t, float rs, float rt, Rgb c) {
  const UvRect& f = atlas::kFace;
  img.Ellipse(f.u0 + (f.u1 - f.u0) * s, f.v0 + (f.v1 - f.v0) * t, (f.u1 - f.u0) * rs,
              (f.v1 - f.v0) * rt, c);
}

void PaintFace(Image& img, const Outfit& o) {
  img.Rect(atlas::kFace, o.skin);
  img.Rect(Sub(atlas::kFace, 0, 0, 1, 0.36f), o.hair);        // crown
  img.Rect(Sub(atlas::kFace, 0, 0.36f, 0.3f, 0.6f), o.hair);  // back of the head
  img.Rect(Sub(atlas::kFace, 0.7f, 0.36f, 1, 0.6f), o.hair);
  if (o.masked) img.Rect(Sub(atlas::kFace, 0, 0.4f, 1, 0.52f), kBlack);
  for (float side : {-1.f, 1.f}) {
    const float s = 0.5f + side * 0.065f;
    if (o.eyesShut) {
      FaceEllipse(img, s, 0.465f, 0.03f, 0.006f, kBlack);
      continue;
    }
    FaceEllipse(img, s, 0.46f, 0.028f, 0.03f, kWhite);
    FaceEllipse(img, s, 0.465f, 0.013f, 0.018f, {40, 60, 90});
  }
  FaceEllipse(img, 0.5f, 0.415f, 0.09f, 0.008f, o.masked ? kBlack : Rgb{90, 60, 40});  // brows
  FaceEllipse(img, 0.5f, 0.63f, 0.04f, o.eyesShut ? 0.006f : 0.011f, {150, 60, 60});
}

Image Paint(CharacterKind kind, const Outfit& o) {
  Image img(256, 256, o.shirt);
  PaintFace(img, o);
  const bool thief = kind != CharacterKind::Guard;
  if (thief) {
    img.Bands(atlas::kTorso, o.shirt, o.stripe, 7, true);
    img.Bands(atlas::kArms, o.shirt, o.stripe, 5, true);
  } else {
    img.Rect(atlas::kTorso, o.shirt);
    img.Rect(Sub(atlas::kTorso, 0.48f, 0.3f, 0.52f, 0.85f), o.stripe);    // tie
    img.Ellipse(0.5f + 0.5f * 0.4f, 0.5f * 0.55f, 0.018f, 0.02f, kGold);  // badge, left chest
    img.Rect(Sub(atlas::kTorso, 0.35f, 0.62f, 0.45f, 0.66f), o.stripe);   // pocket flap
    img.Rect(atlas::kArms, o.shirt);
    img.Rect(Sub(atlas::kArms, 0, 0.85f, 1, 1), o.stripe);  // cuffs
  }
  img.Rect(atlas::kLegs, o.trousers);
  img.Rect(Sub(atlas::kLegs, 0.48f, 0, 0.52f, 1), Shade(o.trousers));  // seam
  img.Rect(atlas::kHips, o.trousers);
  img.Rect(Sub(atlas::kHips, 0, 0.28f, 1, 0.42f), kBlack);  // belt
  img.Rect(Sub(atlas::kHips, 0.46f, 0.28f, 0.54f, 0.42f), kGold);
  img.Rect(atlas::kShoes, o.shoes);
  img.Rect(atlas::kHands, o.gloves);
  img.Rect(atlas::kSkin, o.skin);
  img.Rect(atlas::kHair, o.hair);
  img.Bands(atlas::kHat, o.hat, Shade(o.hat), 6, false);
  img.Rect(atlas::kGear, o.gear);
  if (thief)
    img.Ellipse((atlas::kGear.u0 + atlas::kGear.u1) / 2, (atlas::kGear.v0 + atlas::kGear.v1) / 2,
                0.03f, 0.03f, kWhite);  // the sack's patch
  img.Grain(6);
  return img;
}

// A thief in black shoes and gloves with a sack on the back.
Outfit ThiefOutfit(Rgb shirt, Rgb stripe, Rgb trousers, Rgb hat, Rgb skin, Rgb hair) {
  return {shirt, stripe, trousers, kBlack, kBlack, hat, {125, 92, 58}, skin, hair};
}

std::vector<Outfit> Outfits(CharacterKind kind) {
  const Rgb skin{224, 180, 150}, tan{150, 105, 75}, red{170, 30, 30}, blue{30, 50, 120};
  const Rgb green{50, 100, 45}, purple{120, 40, 150}, teal{20, 120, 130}, amber{200, 120, 30};
  switch (kind) {
    case CharacterKind::Thief:
      return {ThiefOutfit(kBlack, kWhite, {40, 40, 48}, kBlack, skin, {60, 40, 25}),
              ThiefOutfit(red, {90, 15, 20}, {55, 55, 60}, red, tan, kBlack),
              ThiefOutfit(blue, {200, 200, 210}, {30, 30, 50}, blue, skin, {180, 140, 60}),
              ThiefOutfit(green, {30, 60, 30}, {70, 65, 45}, green, tan, kBlack)};
    case CharacterKind::FemaleThief:
      return {ThiefOutfit(kBlack, {200, 60, 120}, {35, 35, 40}, kBlack, skin, {120, 40, 20}),
              ThiefOutfit(purple, {60, 20, 80}, {40, 35, 50}, kBlack, tan, kBlack),
              ThiefOutfit(teal, {220, 220, 220}, {30, 40, 50}, kBlack, skin, {220, 190, 90}),
              ThiefOutfit(amber, {90, 50, 15}, {50, 45, 40}, kBlack, tan, {70, 35, 20})};
    case CharacterKind::Guard: {
      Outfit patrol{{60, 90, 160}, {20, 25, 60}, {25, 30, 60}, kBlack,      skin,
                    {25, 30, 70},  {70, 70, 75}, skin,         {90, 60, 35}};
      patrol.masked = false;
      Outfit asleep = patrol;
      asleep.eyesShut = true;
      Outfit night = patrol;
      night.shirt = {55, 55, 62};
      night.trousers = {30, 30, 34};
      night.hat = {35, 35, 40};
      return {patrol, asleep, night};
    }
  }
  return {};
}

}  // namespace

std::vector<Image> CharacterSkins(CharacterKind kind) {
  std::vector<Image> skins;
  for (const Outfit& o : Outfits(kind)) skins.push_back(Paint(kind, o));
  return skins;
}

}  // namespace modelgen
