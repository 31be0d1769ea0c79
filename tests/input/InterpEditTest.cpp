#include <gtest/gtest.h>

#include <filesystem>

#include "engine/VariableTable.h"
#include "graphics/DebugDraw.h"
#include "input/InputMessages.h"
#include "physics/CameraPathFollower.h"
#include "platform/math/Frustum.h"
#include "tests/input/DevTestSupport.h"

namespace {

using platform::Vector3;

// The editor switched on by the game with the focus, on map 0.
class InterpEditTest : public DevToolsTest {
 protected:
  void SetUp() override {
    StartDevTools();
    GetInput()->SetControlledGame(&game);
    editor = Editor();
    GetLogic()->UseControls("InterpEdit");
    editor->Send(EditorAction::kActivate);
  }
  // Nodes at x = 0, 100, 200 ..., looking along +y.
  void MakePath(int nodes) {
    editor->path.clear();
    for (int i = 0; i < nodes; ++i) editor->path.push_back({{100.0f * i, 0, 0}, {0, 1, 0}});
  }
  Physics* GetPhysics() { return Engine::Get()->GetPhysics(); }
  // Frames of 0.1 s with the key held.
  void Hold(const std::string& key, int frames) {
    const auto code = static_cast<uint32_t>(Input::GetKeyNames().Get(key));
    backend->Keyboard().Press(code);
    for (int i = 0; i < frames; ++i) Frame(0.1);
    backend->Keyboard().Release(code);
    Frame(0.1);
  }

  OnMapZero game;
  InterpEditControls* editor = nullptr;
};

TEST_F(InterpEditTest, SelectingAddingAndDeletingNodes) {
  struct Case {
    int nodes;
    int32_t selectedBefore;
    const char* keys;
    int32_t selected;
    size_t size;
  } cases[] = {
      {3, -1, "E", 0, 3},    {3, 0, "E", 1, 3},     {3, 2, "E", 0, 3},
      {3, -1, "Q", 2, 3},    {3, 0, "Q", 2, 3},     {3, 2, "Q", 1, 3},
      {0, -1, "E", -1, 0},   {0, -1, "Q", -1, 0},   {3, 1, "R", -1, 3},
      {3, -1, "F6", -1, 3},  {3, 1, "F6", -1, 2},   {3, 1, "F7", -1, 0},
      {3, -1, "Space", -1, 4}, {3, 1, "Space", 2, 4}, {3, 1, "F2", 1, 3},
  };
  for (const Case& c : cases) {
    MakePath(c.nodes);
    editor->selected = c.selectedBefore;
    editor->camera.position = {7, 8, 9};
    Tap(c.keys);
    const std::string label = std::to_string(c.nodes) + " nodes, " + std::to_string(c.selectedBefore) + ", " + c.keys;
    EXPECT_EQ(editor->selected, c.selected) << label;
    EXPECT_EQ(editor->path.size(), c.size) << label;
  }
}

TEST_F(InterpEditTest, ASelectedNodeBringsTheCameraAndFollowsIt) {
  MakePath(3);
  editor->camera.up = {0, 0, 1};
  Tap("E");
  Tap("E");
  EXPECT_EQ(editor->camera.position, (Vector3{100, 0, 0}));
  EXPECT_EQ(editor->camera.direction, (Vector3{0, 1, 0}));
  // A node added with node 1 selected goes before it, where the camera stands.
  editor->camera.position = {50, 50, 0};
  Tap("Space");
  EXPECT_EQ(editor->path[1].pos, (Vector3{50, 50, 0}));
  EXPECT_EQ(editor->selected, 2);
  EXPECT_EQ(editor->path[2].pos, (Vector3{50, 50, 0})) << "the selected node is where the camera is";
  Hold("W", 2);
  EXPECT_NEAR(editor->path[2].pos.y, 150, 1e-2) << "the node moved with the camera";
  Tap("R");
  Hold("W", 2);
  EXPECT_NEAR(editor->path[2].pos.y, 150, 1e-2) << "a deselected node stays";
  EXPECT_NEAR(editor->camera.position.y, 250, 1e-2);
}

TEST_F(InterpEditTest, OneSecondOfForwardFlies500Units) {
  editor->camera.position = {0, 0, 0};
  editor->camera.direction = {1, 0, 0};
  Hold("W", 10);
  EXPECT_NEAR(editor->camera.position.x, 500, 0.05);
  // Opposite keys cancel; a paused clock stands still.
  Engine::Get()->GetTimer()->SetPaused(true);
  Hold("D", 5);
  EXPECT_NEAR(editor->camera.position.x, 500, 0.05);
  EXPECT_NEAR(editor->camera.position.y, 0, 0.05);
}

TEST_F(InterpEditTest, DuringTheMapsFlyThroughTheEditorLeavesTheCameraAlone) {
  game.flyThrough = true;
  editor->camera.position = {0, 0, 0};
  Hold("W", 3);
  EXPECT_EQ(editor->camera.position, (Vector3{0, 0, 0}));
}

TEST_F(InterpEditTest, TheMousePitchesAndTurnsTheCamera) {
  editor->camera.direction = {1, 0, 0};
  editor->camera.up = {0, 0, 1};
  editor->camera.right = {0, -1, 0};
  backend->Mouse().Move(platform::kMouseX, 100);
  Frame(0.01);
  EXPECT_NEAR(editor->camera.direction.y, std::sin(0.2f), 1e-3);
}

// The editor starts from the thief's view and from the map's stored path; switching off gives
// the thief its camera back.
TEST_F(InterpEditTest, SwitchingOnLoadsTheMapsPathAndTheThiefsView) {
  DevThief* thief = AddThief();
  thief->camera.direction = {0, 0.6f, 0.8f};
  GetPhysics()->SetInterpNode({{{1, 2, 3}, {1, 0, 0}}, {{4, 5, 6}, {1, 0, 0}}}, "Maps/lobby.bsp");
  MakePath(5);
  editor->selected = 3;
  editor->Send(EditorAction::kActivate);
  EXPECT_EQ(graphics->GetActiveCamera(), &editor->camera);
  EXPECT_EQ(editor->camera.position, thief->camera.position);
  EXPECT_EQ(editor->camera.direction, thief->camera.direction);
  EXPECT_EQ(editor->path.size(), 2u);
  EXPECT_EQ(editor->selected, -1);
  EXPECT_EQ(editor->camera.owner, editor) << "only the pose is copied";
  editor->Send(EditorAction::kDeactivate);
  EXPECT_EQ(thief->told, (std::vector<std::string>{"SetActivePlayer(1)"}));
}

TEST_F(InterpEditTest, SwitchedOffWithoutAThiefTheMenusLoseTheEditorsCamera) {
  ASSERT_EQ(graphics->GetActiveCamera(), &editor->camera);
  editor->Send(EditorAction::kDeactivate);
  EXPECT_EQ(graphics->GetActiveCamera(), nullptr);
}

TEST_F(InterpEditTest, SaveKeepsThePathWhereTheFlyThroughReadsIt) {
  MakePath(3);
  Tap("F3");
  EXPECT_EQ(GetPhysics()->GetInterpNode("Maps/lobby.bsp").size(), 3u);
  InterpNodeTable saved;
  LoadInterpNodes(saved, kInterpNodesPath);
  EXPECT_EQ(saved["Maps/lobby.bsp"].size(), 3u);
}

// Outside a game there is no map: the path starts empty and is not saved anywhere.
TEST_F(InterpEditTest, WithoutAMapNothingIsLoadedOrSaved) {
  GetInput()->SetControlledGame(GetLogic());
  GetPhysics()->SetInterpNode({{{1, 2, 3}, {1, 0, 0}}}, "");
  editor->Send(EditorAction::kActivate);
  EXPECT_TRUE(editor->path.empty());
  MakePath(2);
  Tap("F3");
  EXPECT_FALSE(std::filesystem::exists(kInterpNodesPath));
  EXPECT_EQ(CountConsoleLines(" No map is current: the camera path is not saved"), 1);
}

TEST_F(InterpEditTest, ASaveThatFailsKeepsTheOldFile) {
  MakePath(3);
  Tap("F3");
  const std::string before = TempDir::Read(kInterpNodesPath);
  // The temporary file cannot be made where a folder of its name stands.
  std::filesystem::create_directories(std::string(kInterpNodesPath) + ".tmp");
  MakePath(1);
  Tap("F3");
  EXPECT_EQ(TempDir::Read(kInterpNodesPath), before);
  EXPECT_NE(LogOf("PhysicsLog").find("Failed to save config. Data/InterpNodes.xml"), std::string::npos);
}

// The follower flies the editor's own path: nodes taken away during the flight shorten it,
// and with fewer than two the flight stops.
TEST_F(InterpEditTest, TestFlightsFollowTheEditedPath) {
  CameraPathFollower* follower = GetPhysics()->GetFollower();
  MakePath(1);
  Tap("F4");
  EXPECT_FALSE(follower->IsActive()) << "one node cannot be flown";
  MakePath(4);
  Tap("F4");
  ASSERT_TRUE(follower->IsActive());
  for (int i = 0; i < 5; ++i) Frame(0.1);
  editor->selected = 3;
  Tap("F6");
  for (int i = 0; i < 10; ++i) Frame(0.1);
  EXPECT_TRUE(follower->IsActive()) << "it loops over the three nodes left";
  EXPECT_LE(editor->camera.position.x, 200.01f);
  Tap("F7");
  Frame(0.1);
  EXPECT_FALSE(follower->IsActive());
  MakePath(3);
  Tap("F4");
  Tap("F5");
  EXPECT_FALSE(follower->IsActive());
}

TEST_F(InterpEditTest, ThePathIsDrawnWithoutTheSelectedNodesSphere) {
  MakePath(3);
  editor->selected = 1;
  const bool drawShapes = true;
  platform::Frustum frustum;
  DebugDraw draw(drawShapes, frustum);
  editor->DrawPath(draw);
  EXPECT_EQ(draw.ShapeCount(), 2u);
  EXPECT_EQ(draw.LineVertexCount(), 2 * (2 + 3)) << "two links and three direction lines";
  // F8 switches the drawing on in the frame.
  SetVariable("Draw Shapes", true);
  Tap("F8");
  EXPECT_TRUE(editor->showShapes);
}

}  // namespace
