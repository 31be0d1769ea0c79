#include "tools/mapgen/MapQuads.h"

#include <algorithm>
#include <stdexcept>

namespace {

// One side of an area's box.
struct Side {
  int axis;   // 0: the side is x = const (runs along y); 1: y = const (runs along x)
  bool high;  // the max side of the area
};

// The side of `a` that `b` touches, or throws when the plan joins areas that do not touch.
Side TouchingSide(const Area& a, const Area& b) {
  if (a.maxX == b.minX) return {0, true};
  if (a.minX == b.maxX) return {0, false};
  if (a.maxY == b.minY) return {1, true};
  if (a.minY == b.maxY) return {1, false};
  throw std::runtime_error("door between areas that do not touch: " + a.name + ", " + b.name);
}

class AreaFaces {
 public:
  AreaFaces(const MapPlan& plan, int index, std::vector<Quad>& out)
      : plan_(plan), area_(plan.areas[index]), index_(index), out_(out) {}

  void Build() {
    float x0 = X(area_.minX), x1 = X(area_.maxX), y0 = area_.minY, y1 = area_.maxY;
    float w = x1 - x0, h = y1 - y0;
    Add({x0, y0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, w, h, area_.floorTexture);
    Add({x0, y0, kCeilingHeight}, {1, 0, 0}, {0, 1, 0}, {0, 0, -1}, w, h, kCeilingTexture);
    for (int axis = 0; axis < 2; ++axis)
      for (bool high : {false, true}) Wall({axis, high});
  }

 private:
  float X(int x) const { return float(x + plan_.offsetX); }

  void Add(Vec3 origin, Vec3 s, Vec3 t, Vec3 normal, float w, float h, const std::string& tex) {
    out_.push_back({origin, s, t, normal, w, h, index_, tex});
  }

  // A wall along one side, with a doorway (and the lintel above it) for every door there.
  void Wall(Side side) {
    std::vector<std::pair<float, float>> holes;
    for (const Door& d : plan_.doors) {
      int other = d.areaA == index_ ? d.areaB : d.areaB == index_ ? d.areaA : -1;
      if (other < 0) continue;
      Side touching = TouchingSide(area_, plan_.areas[other]);
      if (touching.axis != side.axis || touching.high != side.high) continue;
      float c = float(d.center + (side.axis == 1 ? plan_.offsetX : 0));
      holes.push_back({c - kDoorWidth / 2.0f, c + kDoorWidth / 2.0f});
    }
    std::sort(holes.begin(), holes.end());
    float lo, hi;
    Vec3 fixed, along, normal;
    if (side.axis == 0) {
      lo = area_.minY, hi = area_.maxY;
      fixed = {X(side.high ? area_.maxX : area_.minX), 0, 0};
      along = {0, 1, 0};
      normal = {side.high ? -1.0f : 1.0f, 0, 0};
    } else {
      lo = X(area_.minX), hi = X(area_.maxX);
      fixed = {0, float(side.high ? area_.maxY : area_.minY), 0};
      along = {1, 0, 0};
      normal = {0, side.high ? -1.0f : 1.0f, 0};
    }
    auto piece = [&](float a0, float a1, float z0, float z1) {
      Add(fixed + along * a0 + Vec3{0, 0, z0}, along, {0, 0, 1}, normal, a1 - a0, z1 - z0,
          area_.wallTexture);
    };
    float cursor = lo;
    for (auto [h0, h1] : holes) {
      if (h0 > cursor) piece(cursor, h0, 0, kCeilingHeight);
      piece(h0, h1, kDoorHeight, kCeilingHeight);
      cursor = h1;
    }
    if (hi > cursor) piece(cursor, hi, 0, kCeilingHeight);
  }

  const MapPlan& plan_;
  const Area& area_;
  int index_;
  std::vector<Quad>& out_;
};

}  // namespace

std::vector<Quad> BuildAreaQuads(const MapPlan& plan) {
  std::vector<Quad> quads;
  for (size_t i = 0; i < plan.areas.size(); ++i) AreaFaces(plan, int(i), quads).Build();
  return quads;
}

bool AreaContains(const MapPlan& plan, const Area& a, Vec3 p) {
  return p.x >= a.minX + plan.offsetX && p.x <= a.maxX + plan.offsetX && p.y >= a.minY &&
         p.y <= a.maxY && p.z >= 0 && p.z <= kCeilingHeight;
}
