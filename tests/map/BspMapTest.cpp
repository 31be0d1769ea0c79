#include <gtest/gtest.h>

#include "map/BspError.h"
#include "tests/map/MapTestSupport.h"

namespace {

using platform::Vector3;

class MapObject : public MapFixture {};

TEST_F(MapObject, LoadsIntoTheWorldFrameAndPrintsTheCounts) {
  BspFileContents c = MinimalMap();
  c.vertices[0].position[0] = 10, c.vertices[0].position[1] = 20, c.vertices[0].position[2] = 30;
  BspMap map;
  Load(map, c);
  EXPECT_TRUE(map.IsLoaded());
  EXPECT_EQ(map.GetPath(), "Maps/test.bsp");
  const BspData& d = map.Data();
  EXPECT_EQ((Vector3{d.vertices[0].position[0], d.vertices[0].position[1], d.vertices[0].position[2]}),
            (Vector3{10, -20, 30}));
  EXPECT_EQ(d.planes[1].normal[1], -1.0f);  // the file's (0, 1, 0), distance 5 kept
  EXPECT_EQ(d.planes[1].distance, 5.0f);
  // Boxes of the file's (-64, -128, 0) .. (64, 0, 32): the node's centre in the world frame,
  // the leaf's as the file has it.
  EXPECT_EQ(d.nodes[0].center[1], 64.0f);
  EXPECT_EQ(d.nodes[0].halfSize[1], 64.0f);
  EXPECT_EQ(d.leaves[0].center[1], -64.0f);
  EXPECT_EQ(map.GetRenderData().GetVertices().size(), 3u);
  EXPECT_EQ(map.GetRenderData().GetMap(), &map);
  std::vector<std::string> lines = ConsoleLines();
  lines.resize(2);  // the texture lists' lines follow
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "Successfully loaded map",
                       "Textures:1 Lightmaps:1 Vertices:3 Faces:1 Nodes:2 Leaves:3 Clusters:2 Brushes:1 Models:1"}));
}

TEST_F(MapObject, AnswersClusterAndVisibilityQueries) {
  BspMap map;
  EXPECT_EQ(map.GetClusterAt({0, -20, 0}), 0);  // not loaded: no walk
  EXPECT_EQ(map.FindLeaf({0, -20, 0}), nullptr);
  EXPECT_TRUE(map.IsClusterVisible(0, 1));
  Load(map, MinimalMap());
  // The point (0, -20, 0) lies on the root's plane x = 0 (front) and in front of the flipped
  // plane (0, -1, 0), 5: leaf 0, cluster 0. Behind that plane is leaf 1, cluster 1.
  EXPECT_EQ(map.FindLeaf({0, -20, 0}), &map.Data().leaves[0]);
  EXPECT_EQ(map.GetClusterAt({0, -20, 0}), 0);
  EXPECT_EQ(map.GetClusterAt({0, 0, 0}), 1);
  EXPECT_EQ(map.GetClusterAt({-1, 0, 0}), -1);  // the solid leaf
  // Rows 0x01 and 0x02: each cluster sees only itself.
  EXPECT_FALSE(map.IsClusterVisible(0, 1));
  EXPECT_FALSE(map.IsClusterVisible(1, 0));
  EXPECT_TRUE(map.IsClusterVisible(1, 1));
  EXPECT_TRUE(map.IsClusterVisible(-1, 1));
  EXPECT_TRUE(map.IsClusterVisible(0, -1));
}

TEST_F(MapObject, CameraClusterFollowsTheCameraUnlessLocked) {
  BspMap map;
  const Vector3 inCluster0{0, -20, 0}, inCluster1{0, 0, 0};
  map.UpdateCameraCluster(&inCluster1);
  EXPECT_EQ(map.GetCameraCluster(), -1);  // not loaded
  Load(map, MinimalMap());
  map.UpdateCameraCluster(nullptr);  // no active camera
  EXPECT_EQ(map.GetCameraCluster(), -1);
  ClusterMap& physicsView = map;  // how the physics update reaches the current map
  physicsView.UpdateCameraCluster(&inCluster0);
  EXPECT_EQ(map.GetCameraCluster(), 0);
  EXPECT_EQ(physicsView.GetClusterAt(inCluster1), 1);
  map.SetLockVis(true);
  map.UpdateCameraCluster(&inCluster1);
  EXPECT_EQ(map.GetCameraCluster(), 0);
  map.SetLockVis(false);
  map.UpdateCameraCluster(&inCluster1);
  EXPECT_EQ(map.GetCameraCluster(), 1);
}

TEST_F(MapObject, ASecondLoadReplacesTheFirstAndClearsTheLock) {
  BspFileContents c = MinimalMap();
  c.entityText = "{\n\"classname\" \"a\"\n}\n{\n\"classname\" \"b\"\n}\n";
  BspMap map;
  map.SetMapIndex(2);
  Load(map, c);
  map.SetLockVis(true);
  map.SetFlyThroughShown(true);
  Load(map, MinimalMap(), "other.bsp");
  EXPECT_EQ(map.Data().entityKeyValues.size(), 1u);
  EXPECT_FALSE(map.IsVisLocked());
  EXPECT_EQ(map.GetMapIndex(), 2);
  EXPECT_TRUE(map.IsFlyThroughShown());
  EXPECT_EQ(map.GetPath(), "Maps/other.bsp");
}

TEST_F(MapObject, AFailedLoadLeavesAnEmptyMapThatStillAnswers) {
  BspMap map;
  Load(map, MinimalMap());
  EXPECT_THROW(
      {
        try {
          map.Load("Maps/missing.bsp");
        } catch (const BspError& e) {
          EXPECT_STREQ(e.what(), "Could not open file");
          throw;
        }
      },
      BspError);
  EXPECT_TRUE(map.Data().faces.empty());
  EXPECT_TRUE(map.GetRenderData().GetVertices().empty());
  EXPECT_TRUE(map.IsLoaded());  // set by the first load, never cleared
  EXPECT_EQ(map.GetClusterAt({0, 0, 0}), 0);
  EXPECT_EQ(map.FindLeaf({0, 0, 0}), nullptr);

  std::vector<uint8_t> bytes = WriteBsp(MinimalMap());
  bytes[3] = 'Q';
  platform::WriteFileAtomic("Maps/ibsq.bsp", std::string(bytes.begin(), bytes.end()));
  BspMap fresh;
  try {
    fresh.Load("Maps/ibsq.bsp");
    FAIL();
  } catch (const BspError& e) {
    EXPECT_STREQ(e.what(), "Not a valid BSP file");
  }
  EXPECT_FALSE(fresh.IsLoaded());
  EXPECT_EQ(fresh.GetClusterAt({0, 0, 0}), 0);
}

TEST_F(MapObject, LogsMalformedEntityLinesNamingTheMap) {
  BspFileContents c = MinimalMap();
  c.entityText = "{\n\"classname\" \"worldspawn\"\n\"message\n}\n";
  BspMap map;
  Load(map, c);
  EXPECT_EQ(LogOf("LogicLog"), "Map Maps/test.bsp entity text, line 3: unterminated quote\n");
}

}  // namespace
