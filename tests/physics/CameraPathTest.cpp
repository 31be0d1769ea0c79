#include "physics/CameraPathFollower.h"
#include "physics/PhysicsSeams.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

struct RecordingCamera : PathCamera {
  void SetPathPose(const platform::Vector3& p, const platform::Vector3& look) override {
    position = p;
    direction = look;
    ++moves;
  }
  platform::Vector3 position, direction;
  int moves = 0;
};

std::vector<InterpNode> Path(std::initializer_list<platform::Vector3> points) {
  std::vector<InterpNode> nodes;
  for (const platform::Vector3& p : points) nodes.push_back({p, {1, 0, 0}});
  return nodes;
}

TEST(CameraPathFollowerTest, TwoNodesAThousandUnitsApartTakeTwoSeconds) {
  RecordingCamera camera;
  std::vector<InterpNode> path = Path({{0, 0, 0}, {1000, 0, 0}});
  path[1].dir = {0, 1, 0};
  CameraPathFollower follower;
  follower.Start(&camera, &path, false);
  follower.Update(0);
  EXPECT_EQ(camera.position, (platform::Vector3{0, 0, 0}));
  for (int i = 0; i < 19; ++i) follower.Update(0.1f);
  EXPECT_FALSE(follower.IsDone());
  EXPECT_NEAR(camera.position.x, 950.0f, 0.5f);
  EXPECT_NEAR(camera.direction.y, 0.95f, 1e-4);
  follower.Update(0.1f);
  EXPECT_NEAR(camera.position.x, 1000.0f, 0.01f);
  follower.Update(0.1f);
  EXPECT_TRUE(follower.IsDone());
}

TEST(CameraPathFollowerTest, AStepCarriesItsExcessOverSeveralShortSegments) {
  RecordingCamera camera;
  const std::vector<InterpNode> path = Path({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}, {30, 0, 0}, {1000, 0, 0}});
  CameraPathFollower follower;
  follower.Start(&camera, &path, false);
  follower.Update(0.1f);
  EXPECT_EQ(follower.segment, 3u);
  EXPECT_NEAR(follower.t, 20.0f / 970.0f, 1e-5);
}

TEST(CameraPathFollowerTest, PathsWithoutLengthEndAFlyThroughAndLeaveAPreviewStill) {
  RecordingCamera camera;
  const std::vector<InterpNode> empty, one = Path({{5, 5, 5}}), same = Path({{5, 5, 5}, {5, 5, 5}, {5, 5, 5}});
  for (const auto* path : {&empty, &one, &same}) {
    CameraPathFollower flyThrough;
    flyThrough.Start(&camera, path, false);
    EXPECT_TRUE(flyThrough.IsDone());
    CameraPathFollower preview;
    preview.Start(&camera, path, true);
    preview.Update(0.1f);
    EXPECT_FALSE(preview.IsDone());
    EXPECT_FALSE(preview.IsActive());
  }
  EXPECT_EQ(camera.moves, 0);
}

TEST(CameraPathFollowerTest, ZeroLengthSegmentsArePassedAndNeverLoopForever) {
  RecordingCamera camera;
  const std::vector<InterpNode> path = Path({{0, 0, 0}, {0, 0, 0}, {100, 0, 0}, {100, 0, 0}, {100, 0, 0}});
  CameraPathFollower follower;
  follower.Start(&camera, &path, true);
  // Paused: the first segment has no length; nothing divides by it.
  follower.Update(0);
  EXPECT_TRUE(std::isfinite(camera.position.x));
  EXPECT_TRUE(std::isfinite(follower.t));
  for (int i = 0; i < 100; ++i) follower.Update(0.1f);
  EXPECT_TRUE(follower.IsActive());
  EXPECT_FALSE(follower.IsDone());
  EXPECT_TRUE(std::isfinite(camera.position.x));
}

TEST(CameraPathFollowerTest, ALoopingPathWrapsWithoutFinishing) {
  RecordingCamera camera;
  const std::vector<InterpNode> path = Path({{0, 0, 0}, {100, 0, 0}, {200, 0, 0}});
  CameraPathFollower follower;
  follower.Start(&camera, &path, true);
  follower.Update(0.5f);  // 250 units: 50 into the second lap
  EXPECT_EQ(follower.segment, 0u);
  EXPECT_FALSE(follower.IsDone());
  EXPECT_NEAR(camera.position.x, 50.0f, 5.0f);
}

using CameraPathTest = PhysicsTest;

TEST_F(CameraPathTest, ThePhysicsStepMovesTheCameraAndReportsTheEndOnce) {
  StartPhysics();
  int ends = 0;
  physics->SetFlyThroughEndHandler([&] {
    ++ends;
    physics->StopCameraPath();
  });
  RecordingCamera camera;
  std::vector<InterpNode>& path = physics->GetInterpNode("Maps/test.bsp");
  path = Path({{0, 0, 0}, {1000, 0, 0}});
  physics->StartCameraPath(&camera, &path, false);
  Engine::Get()->GetTimer()->SetPaused(true);
  Frames(10, 0.1);
  EXPECT_EQ(camera.position.x, 0.0f);
  Engine::Get()->GetTimer()->SetPaused(false);
  Frames(25, 0.1);
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(physics->GetFollower()->IsActive());
}

TEST_F(CameraPathTest, PathsAreSavedAndReadBack) {
  StartPhysics();
  physics->SetInterpNode(Path({{1, 2, 3}, {4, 5, 6}}), "Maps/lobby.bsp");
  physics->SetInterpNode(Path({{7, 8, 9}}), "exit");
  physics->SaveInterpNodes();
  InterpNodeTable table;
  LoadInterpNodes(table, kInterpNodesPath);
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table["Maps/lobby.bsp"][1].pos, (platform::Vector3{4, 5, 6}));
  EXPECT_EQ(table["exit"][0].dir, (platform::Vector3{1, 0, 0}));
}

TEST_F(CameraPathTest, TheDemoPathsReadAndAMissingFileIsWrittenEmpty) {
  StartPhysics();
  EXPECT_EQ(TempDir::Read(kInterpNodesPath).find("<pair>"), std::string::npos);
  InterpNodeTable table;
  LoadInterpNodes(table, std::string(VR_DATA_DIR) + "/Data/InterpNodes.xml");
  for (const char* map : {"Maps/lobby.bsp", "Maps/gallery.bsp", "Maps/vault.bsp"}) EXPECT_GE(table[map].size(), 2u);
}

TEST_F(CameraPathTest, AMalformedFileIsLoggedAndKeepsThePathsRead) {
  StartPhysics();
  TempDir::Write("paths.xml",
                 "<?xml version=\"1.0\"?>\n<list><pair><string>a</string><list><var><var name=\"pos\"><float>1</float>"
                 "<float>2</float><float>3</float></var></var><var/></list></pair><pair><string>b</oops>");
  InterpNodeTable table;
  LoadInterpNodes(table, "paths.xml");
  EXPECT_NE(LogOf("PhysicsLog").find("Failed to load config. "), std::string::npos);
  // A node without its direction and an empty node still count.
  ASSERT_EQ(table["a"].size(), 2u);
  EXPECT_EQ(table["a"][0].pos, (platform::Vector3{1, 2, 3}));
  EXPECT_EQ(table["a"][1].pos, (platform::Vector3{}));
}

// Each of these used to be read without a word: a string where a number stands, a node far
// beyond every map, a path without nodes, a root that is not the list.
TEST_F(CameraPathTest, DamagedPathsAreSaidOnceEachNamingThePathAndTheNode) {
  StartPhysics();
  auto node = [](const std::string& x, const char* kind = "float") {
    return "<var><var name=\"pos\"><" + std::string(kind) + " name=\"x\">" + x + "</" + kind +
           "><float name=\"y\">2</float><float name=\"z\">3</float></var><var name=\"dir\"><float>1</float>"
           "<float>0</float><float>0</float></var></var>";
  };
  auto pair = [](const std::string& name, const std::string& nodes) {
    return "<pair><string>" + name + "</string><list>" + nodes + "</list></pair>";
  };
  auto load = [&](const std::string& body) {
    TempDir::Write("paths.xml", "<?xml version=\"1.0\"?>\n" + body);
    const size_t before = LogOf("PhysicsLog").size();
    InterpNodeTable table;
    LoadInterpNodes(table, "paths.xml");
    return std::make_pair(table, LogOf("PhysicsLog").substr(before));
  };

  auto [table, log] = load("<list>" + pair("a", node("1") + node("1e20") + node("inf") + node("-7")) +
                           pair("b", "") + "</list>");
  ASSERT_EQ(table["a"].size(), 2u);
  EXPECT_EQ(table["a"][0].pos, (platform::Vector3{1, 2, 3}));
  EXPECT_EQ(table["a"][1].pos, (platform::Vector3{-7, 2, 3}));
  EXPECT_TRUE(table["b"].empty());
  EXPECT_EQ(log,
            "paths.xml: path \"a\" node 1 at 1e+20, 2, 3 lies beyond 1e+06 units of every map: the node is left out\n"
            "paths.xml: path \"a\" node 2 has a position that is not all finite numbers: the node is left out\n"
            "paths.xml: path \"b\" has no nodes: nothing is flown along it\n");

  std::tie(table, log) =
      load("<list>" + pair("a", node("1")) + pair("b", node("1") + node("far", "string")) + "</list>");
  EXPECT_EQ(table["a"].size(), 1u) << "the paths read before stay";
  EXPECT_EQ(table["b"].size(), 1u);
  EXPECT_EQ(log,
            "Failed to load config. paths.xml: <float name=\"x\"> expected, found <string name=\"x\"> at line 2, "
            "column 478\n");

  for (const auto& [root, column] : {std::pair{"<var/>", "7"}, std::pair{"<var><list></list></var>", "6"}}) {
    std::tie(table, log) = load(root);
    EXPECT_TRUE(table.empty());
    EXPECT_EQ(log, "Failed to load config. paths.xml: <list> expected, found <var> at line 2, column " +
                       std::string(column) + "\n")
        << root;
  }
}

}  // namespace
