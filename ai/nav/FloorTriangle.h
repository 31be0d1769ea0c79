#pragma once
#include "platform/math/Vector.h"

// A floor triangle of graph building, with the edge normals its containment test needs.
class FloorTriangle {
 public:
  FloorTriangle(const platform::Vector3& p0, const platform::Vector3& p1, const platform::Vector3& p2);

  // True when the point lies over the triangle (edges included); the test is on the edge
  // normals, which lie in the triangle's plane, so height above a flat floor does not matter.
  bool Contains(const platform::Vector3& q) const;

  platform::Vector3 Min() const;
  platform::Vector3 Max() const;

 private:
  platform::Vector3 p_[3];
  platform::Vector3 edgeNormal_[3];
};
