#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "physics/Physics.h"
#include "player/Player.h"
#include "player/PlayerMessages.h"
#include "tests/logic/LogicTestSupport.h"
#include "tests/support/ReadOnlyFolder.h"

namespace {

namespace fs = std::filesystem;

// The demo museum on a data tree the game cannot write to: a read-only disk, or a tree owned by
// another user. Nothing the game writes at a start (logs, settings written back, the scratch
// file the collision meshes are cooked through) can be written.
class ReadOnlyTreeTest : public MenuTest {
 protected:
  void SetUp() override {
    // The whole demo tree, as the build makes it.
    for (const char* tree : {VR_DATA_DIR, VR_GENERATED_DIR}) {
      fs::copy(tree, ".", fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
    readOnly.emplace();
    if (!readOnly->Holds()) GTEST_SKIP() << "this process cannot be kept from writing to its working folder";
    StartMenus([] { return new Physics(); });
  }

  std::optional<ReadOnlyFolder> readOnly;
};

// The cloakroom's west wall stands at x = -448; the first game's thief starts 576 units east of
// it and walks west for four seconds, further than the wall. Without the lobby's collision it
// would walk through the wall, or fall through the floor.
TEST_F(ReadOnlyTreeTest, ARoundStartedInAReadOnlyTreeHasItsWalls) {
  GetLogic()->StartGame();
  GetLogic()->EndMapFlyThrough();
  ASSERT_TRUE(GetLogic()->IsInGame());
  auto* thief = dynamic_cast<Player*>(GetLogic()->GetPlayerEntity());
  ASSERT_NE(thief, nullptr);
  const platform::Vector3 start = thief->physical.GetPosition();
  ASSERT_NEAR(start.x, 128.0f, 1.0f);
  thief->Send(KeyAction::kMoveForward, true);
  for (int i = 0; i < 200; ++i) {
    thief->camera.direction = {-1, 0, 0};
    thief->camera.right = {0, -1, 0};
    Frame(0.02);
  }
  const platform::Vector3 end = thief->physical.GetPosition();
  EXPECT_LT(end.x, start.x - 500.0f) << "the thief did not walk";
  EXPECT_GT(end.x, -448.0f) << "the thief walked through the wall";
  EXPECT_NEAR(end.z, start.z, 20.0f) << "the thief did not stay on the floor";
}

}  // namespace
