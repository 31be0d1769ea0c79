#pragma once
#include <vector>

#include "tools/mapgen/MuseumLayout.h"

struct Vec3 {
  float x, y, z;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float s) { return {a.x * s, a.y * s, a.z * s}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// One rectangular map face: origin + s * [0, width] + t * [0, height], facing `normal`
// into the area it belongs to. Every wall, floor and ceiling of the museum is one of these.
struct Quad {
  Vec3 origin, s, t, normal;
  float width, height;
  int area;
  std::string texture;
};

// The faces of every area of a plan, area by area (floor, ceiling, then walls with their
// doorways cut out), in the map file's coordinates with the plan's offset applied.
std::vector<Quad> BuildAreaQuads(const MapPlan& plan);

// Whether the point (file coordinates, offset applied) lies in the area's box.
bool AreaContains(const MapPlan& plan, const Area& area, Vec3 p);
