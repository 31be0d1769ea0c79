#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "map/MapFaceLights.h"

namespace {

// One floor triangle at z = 0 facing up, around the origin.
struct Floor {
  Floor() {
    for (const auto& p : {std::array<float, 3>{-10, -10, 0}, {10, -10, 0}, {0, 10, 0}}) {
      BspVertex v{};
      std::copy(p.begin(), p.end(), v.position);
      map.vertices.push_back(v);
    }
    map.meshVertices = {0, 1, 2};
    face.firstVertex = 0;
    face.vertexCount = 3;
    face.firstMeshVertex = 0;
    face.meshVertexCount = 3;
    face.normal[2] = 1;
  }
  BspData map;
  BspFace face{};
};

TEST(MapFaceLights, ALightAboveShiningDownReachesTheFloor) {
  Floor floor;
  const MapLight light{{0, 0, 100}, {0, 0, -1}};
  const FaceLighting lit = LightsReachingFace(floor.map, floor.face, &light, 1);
  EXPECT_EQ(lit.count, 1);
  EXPECT_EQ(lit.first, 0);
}

TEST(MapFaceLights, ALightAlongTheFaceNormalNeverReachesIt) {
  Floor floor;
  // Below the floor shining up: the face turns its back on it (dot product 1).
  const MapLight light{{0, 0, -100}, {0, 0, 1}};
  EXPECT_EQ(LightsReachingFace(floor.map, floor.face, &light, 1).count, 0);
}

TEST(MapFaceLights, AGrazingLightCountsUpToTheLimit) {
  Floor floor;
  // Direction with normal . direction = 0.05 exactly: still allowed; a little more is not.
  const float z = 0.05f;
  const MapLight grazing{{-100, 0, 0}, {std::sqrt(1 - z * z), 0, z}};
  EXPECT_EQ(LightsReachingFace(floor.map, floor.face, &grazing, 1).count, 1);
  const float steeper = 0.06f;
  const MapLight away{{-100, 0, 0}, {std::sqrt(1 - steeper * steeper), 0, steeper}};
  EXPECT_EQ(LightsReachingFace(floor.map, floor.face, &away, 1).count, 0);
}

TEST(MapFaceLights, ALightWithEveryVertexBehindItDoesNotReach) {
  Floor floor;
  const MapLight pastTheFloor{{100, 0, 10}, {1, 0, -0.01f}};
  EXPECT_EQ(LightsReachingFace(floor.map, floor.face, &pastTheFloor, 1).count, 0);
}

TEST(MapFaceLights, TheSecondLightAloneIsNamedFirst) {
  Floor floor;
  const MapLight lights[2] = {{{0, 0, -100}, {0, 0, 1}}, {{0, 0, 100}, {0, 0, -1}}};
  const FaceLighting lit = LightsReachingFace(floor.map, floor.face, lights, 2);
  EXPECT_EQ(lit.count, 1);
  EXPECT_EQ(lit.first, 1);
  const MapLight both[3] = {lights[1], lights[1], lights[1]};
  EXPECT_EQ(LightsReachingFace(floor.map, floor.face, both, 3).count, 2) << "at most two lights";
}

}  // namespace
