#pragma once
#include "tools/modelgen/ShapeBuilder.h"

// Where each body part finds its colours on a character's texture. Every outfit texture of a
// character shares this layout, so swapping the texture swaps the clothes.
namespace modelgen::atlas {

constexpr float kInset = 1.5f / 256;
constexpr UvRect Region(float u0, float v0, float u1, float v1) {
  return {u0 + kInset, v0 + kInset, u1 - kInset, v1 - kInset};
}

constexpr UvRect kFace = Region(0, 0, 0.5f, 0.5f);  // the head, front at its middle column
constexpr UvRect kTorso = Region(0.5f, 0, 1, 0.5f);
constexpr UvRect kArms = Region(0, 0.5f, 0.25f, 0.75f);
constexpr UvRect kHands = Region(0.25f, 0.5f, 0.375f, 0.625f);
constexpr UvRect kShoes = Region(0.375f, 0.5f, 0.5f, 0.625f);
constexpr UvRect kHat = Region(0.25f, 0.625f, 0.5f, 0.75f);
constexpr UvRect kLegs = Region(0.5f, 0.5f, 0.75f, 1);
constexpr UvRect kSkin = Region(0.75f, 0.5f, 1, 0.75f);
constexpr UvRect kGear = Region(0.75f, 0.75f, 1, 1);  // sack, torch, cap badge
constexpr UvRect kHips = Region(0, 0.75f, 0.25f, 1);
constexpr UvRect kHair = Region(0.25f, 0.75f, 0.5f, 1);

}  // namespace modelgen::atlas
