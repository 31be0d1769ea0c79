#include "map/LeafFinder.h"
#include "map/MapGeometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "map/BspReader.h"
#include "tests/map/TestMaps.h"

namespace {

TEST(MapGeometry, FlipsPlanesAndVerticesIntoTheWorldFrame) {
  BspFileContents c = MinimalMap();
  c.vertices[0].position[0] = 10, c.vertices[0].position[1] = 20, c.vertices[0].position[2] = 30;
  c.vertices[0].normal[1] = 1;
  BspData map = LoadedMinimalMap(c);
  EXPECT_EQ(map.vertices[0].position[0], 10.0f);
  EXPECT_EQ(map.vertices[0].position[1], -20.0f);
  EXPECT_EQ(map.vertices[0].position[2], 30.0f);
  EXPECT_EQ(map.vertices[0].normal[1], -1.0f);
  EXPECT_EQ(map.planes[1].normal[1], -1.0f);
  EXPECT_EQ(map.planes[1].distance, 5.0f);
}

TEST(MapGeometry, FindsLeavesFrontOnThePlane) {
  BspData map = LoadedMinimalMap();
  const float inFront[3] = {0, -20, 0};  // in front of the flipped plane (0, -1, 0), 5
  const float behind[3] = {0, 0, 0};
  const float backOfRoot[3] = {-1, -20, 0};
  const float nan[3] = {std::nanf(""), 0, 0};
  LeafFinder finder(map);
  EXPECT_EQ(finder.FindLeafIndex(inFront), 0);  // x = 0 lies on the root plane: front
  EXPECT_EQ(finder.FindLeafIndex(behind), 1);
  EXPECT_EQ(finder.FindLeafIndex(backOfRoot), 2);
  EXPECT_EQ(finder.FindLeafIndex(nan), 0);
  EXPECT_EQ(LeafFinder().FindLeafIndex(inFront), -1);
  EXPECT_EQ(LeafFinder(BspData()).FindLeafIndex(inFront), -1);
}

TEST(MapGeometry, NormalisesPlaneNormalsOnTheWay) {
  BspFileContents c = MinimalMap();
  c.planes[1] = {{0, 4, 0}, 5};  // unit normal (0, -1, 0) after the flip, distance unchanged
  BspData map = LoadedMinimalMap(c);
  const float p[3] = {1, -2, 0};  // 2 - 5 < 0 once normalised, 8 - 5 > 0 if not
  EXPECT_EQ(LeafFinder(map).FindLeafIndex(p), 1);
  c.planes[1] = {{0, 0, 0}, -1};  // a zero normal is used as it is: 0 - (-1) >= 0
  map = LoadedMinimalMap(c);
  EXPECT_EQ(LeafFinder(map).FindLeafIndex(p), 0);
}

TEST(MapGeometry, ComputesFaceNormalsFromTheFlippedTriangles) {
  BspData map = LoadedMinimalMap();
  EXPECT_EQ(map.faces[0].normal[0], 0.0f);
  EXPECT_EQ(map.faces[0].normal[1], 0.0f);
  EXPECT_EQ(map.faces[0].normal[2], -1.0f);

  BspFileContents c = MinimalMap();
  c.vertices[2].position[1] = 0;  // degenerate: all three on a line
  c.faces[0].normal[1] = 1;
  map = LoadedMinimalMap(c);
  EXPECT_EQ(map.faces[0].normal[1], -1.0f);  // the file's normal, flipped
}

TEST(MapGeometry, TestsVisibilityBits) {
  BspData map;
  EXPECT_TRUE(IsClusterVisible(map, 3, 7));  // no visibility data
  map.clusterCount = 11;
  map.bytesPerCluster = 2;
  map.visBits.assign(22, 0);
  map.visBits[3] = 0x04;  // row 1, byte 1, bit 2: cluster 10
  EXPECT_TRUE(IsClusterVisible(map, 1, 10));
  EXPECT_FALSE(IsClusterVisible(map, 1, 2));
  EXPECT_FALSE(IsClusterVisible(map, 10, 1));
  EXPECT_TRUE(IsClusterVisible(map, 2, 2));
  EXPECT_TRUE(IsClusterVisible(map, -1, 2));
  EXPECT_TRUE(IsClusterVisible(map, 2, -1));
  EXPECT_TRUE(IsClusterVisible(map, 11, 2));  // outside the visibility data
  EXPECT_TRUE(IsClusterVisible(map, 2, 1 << 30));
}

}  // namespace
