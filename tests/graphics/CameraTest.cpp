#include <gtest/gtest.h>

#include "graphics/Camera.h"
#include "physics/CameraPathFollower.h"

namespace {

TEST(CameraTest, YawKeepsRightHorizontalWhateverTheTilt) {
  Camera camera;
  camera.up = platform::Vec3Normalize({0.2f, 0.1f, 1});
  for (int i = 0; i < 5; ++i) {
    camera.Yaw(0.3f);
    EXPECT_FLOAT_EQ(camera.right.z, 0.0f);
    EXPECT_NEAR(platform::Vec3Length(camera.right), 1.0f, 1e-5f);
    EXPECT_NEAR(platform::Vec3Length(camera.direction), 1.0f, 1e-5f);
  }
}

// However the turn is cut into steps, looking down stays looking down, and a whole turn brings
// the look back.
TEST(CameraTest, TurningKeepsTheLooksHeightAndAWholeTurnComesBack) {
  Camera camera;
  camera.Pitch(-0.3f);
  const platform::Vector3 start = camera.direction;
  for (float step : {3.0f, 0.1f, 2.5f, 0.68318531f}) {  // 2 pi in all
    camera.Yaw(step);
    camera.Pitch(0.0f);
    EXPECT_NEAR(camera.direction.z, start.z, 1e-5f);
    EXPECT_NEAR(platform::Vec3Dot(camera.up, camera.direction), 0.0f, 1e-5f);
  }
  EXPECT_NEAR(camera.direction.x, start.x, 1e-4f);
  EXPECT_NEAR(camera.direction.y, start.y, 1e-4f);
}

TEST(CameraTest, PitchTurnsOnlyWithinItsLimit) {
  Camera camera;
  camera.direction = {0, 0.866f, 0.5f};
  const platform::Vector3 before = camera.direction;
  camera.Pitch(-0.4f);  // |0.5 + 0.4| = 0.9: too far
  EXPECT_EQ(camera.direction, before);
  camera.Pitch(0.1f);  // 0.4: turns
  EXPECT_NE(camera.direction, before);
}

TEST(CameraTest, APitchExactlyAtTheLimitTurns) {
  Camera camera;
  camera.direction = {0, 1, 0.5f};
  const platform::Vector3 before = camera.direction;
  camera.Pitch(-0.3f);  // |0.5 - (-0.3)| = 0.8
  EXPECT_NE(camera.direction, before);
}

TEST(CameraTest, APathOfTwoNodesFliesTheCameraFromOneToTheOther) {
  Camera camera;
  const platform::Vector3 up = camera.up, right = camera.right;
  std::vector<InterpNode> path{{{0, 0, 100}, {1, 0, 0}}, {{500, 0, 100}, {0, 1, 0}}};
  CameraPathFollower follower;
  follower.Start(&camera, &path, false);
  follower.Update(0.5f);  // half way at 500 units a second
  EXPECT_NEAR(camera.position.x, 250.0f, 0.5f);
  EXPECT_NEAR(camera.position.z, 100.0f, 1e-3f);
  // The map is drawn as seen from where the camera flies, not from where it stood before.
  EXPECT_EQ(camera.referencePosition, camera.position);
  EXPECT_NEAR(camera.direction.x, 0.5f, 1e-4f);
  EXPECT_NEAR(camera.direction.y, 0.5f, 1e-4f);
  follower.Update(0.5f);
  EXPECT_NEAR(camera.position.x, 500.0f, 0.01f);
  EXPECT_NEAR(camera.direction.y, 1.0f, 1e-4f);
  // The path turns the look, not the camera's roll.
  EXPECT_EQ(camera.up, up);
  EXPECT_EQ(camera.right, right);
}

}  // namespace
