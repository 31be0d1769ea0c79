#pragma once
#include "platform/math/Vector.h"

class Physics;

// How far the follow camera stands behind the user's thief. The two distances are shared by
// every thief (only the user's moves them): the desired one jumps to the room behind the thief,
// the current one follows it at the camera speed.
class CameraFollow {
 public:
  static CameraFollow& Shared();

  // The room behind `pivot` along `back` before the world stops the camera, less 20 units.
  // An entity in the way (a guard, an item) does not count: the look goes on past it.
  static float Reach(const Physics* physics, const platform::Vector3& pivot, const platform::Vector3& back);
  // desired = min(wanted, reach); current moves toward it by at most `rate`, and is never
  // beyond the reach.
  void Follow(float wanted, float reach, float rate);

  float current = 400.0f;
  float desired = 400.0f;
};

// `value` moved toward `target` by at most `rate`.
float EaseToward(float value, float target, float rate);
