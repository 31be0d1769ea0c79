#pragma once
#include <cstdint>
#include <vector>

#include "physics/InterpNodes.h"

class PathCamera;

// Moves a camera along a path at a fixed speed measured along the straight segments between
// the nodes: the position on a Catmull-Rom spline through the node positions, the look
// direction blended linearly between the nodes' directions.
class CameraPathFollower {
 public:
  static constexpr float kSpeed = 500.0f;

  // Starts the path from its first node. A path with fewer than two nodes, or whose nodes all
  // stand on one point, cannot be flown: without looping it is done at once; looping, nothing
  // moves.
  void Start(PathCamera* camera, const std::vector<InterpNode>* nodes, bool loop);
  void Stop();
  // Advances by `seconds` (the engine's frame delta: 0 while paused leaves the camera still).
  void Update(float seconds);

  bool IsActive() const { return active != 0; }
  bool IsDone() const { return done != 0; }

  PathCamera* camera = nullptr;
  const std::vector<InterpNode>* nodes = nullptr;
  uint32_t segment = 0;
  uint8_t active = 0;
  float speed = kSpeed;
  float segmentLength = 0;
  float t = 0;
  uint8_t loop = 0;
  uint8_t done = 0;

 private:
  void Reset();
  float SegmentLength(uint32_t first) const;
  // Passes as many segments as `distance` covers; false when the path holds no length to
  // move along (every remaining segment has length 0).
  bool Advance(float& distance);
  void PlaceCamera() const;
};
