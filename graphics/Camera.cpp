#include "graphics/Camera.h"

#include <cmath>

#include "platform/math/Matrix.h"

// About the vertical, not about up: up leans with the look once it has pitched, and turning
// about it would tip the look up or down as the view goes round (a half turn in one frame
// would turn looking down into looking up). Up turns along, so it stays square to the look.
void Camera::Yaw(float angle) {
  const platform::Matrix turn = platform::MatrixRotationAxis({0, 0, 1}, angle);
  direction = platform::Vec3Normalize(platform::Vec3TransformCoord(direction, turn));
  up = platform::Vec3Normalize(platform::Vec3TransformCoord(up, turn));
  right = platform::Vec3Cross(up, direction);
  right.z = 0;
  right = platform::Vec3Normalize(right);
}

void Camera::Pitch(float angle) {
  // The limit compares the look direction's height with the angle itself, as the game tuned it.
  if (std::fabs(direction.z - angle) > 0.8f) return;
  const platform::Matrix turn = platform::MatrixRotationAxis(right, angle);
  direction = platform::Vec3Normalize(platform::Vec3TransformCoord(direction, turn));
  up = platform::Vec3Normalize(platform::Vec3Cross(direction, right));
}
