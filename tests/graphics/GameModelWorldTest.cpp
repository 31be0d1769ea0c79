#include "graphics/GameModelWorld.h"
#include "logic/Logic.h"
#include "tests/graphics/SceneFixture.h"

namespace {

class GameModelWorldTest : public SceneFixture {};

TEST_F(GameModelWorldTest, WithoutACurrentMapNoEntityIsInIt) {
  StartScene(true);
  GameModelWorld world;
  EXPECT_EQ(world.GetCurrentMapIndex(), static_cast<uint32_t>(-1));
  EXPECT_TRUE(world.IsClusterVisible(3));
}

TEST_F(GameModelWorldTest, WithoutPhysicsNoModelCastsAShadow) {
  StartScene();
  GameModelWorld world;
  float distance = 0;
  platform::Vector3 normal;
  EXPECT_FALSE(world.CastDown({0, 0, 50}, &distance, &normal));
  EXPECT_EQ(world.GetCurrentMapIndex(), 0u);
}

}  // namespace
