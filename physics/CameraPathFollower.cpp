#include "physics/CameraPathFollower.h"

#include <cmath>

#include "physics/PhysicsSeams.h"

namespace {

// However far one update carries the camera, it passes each segment at most this many times:
// a path of tiny segments cannot hold the frame up.
constexpr size_t kMaxPassesPerUpdate = 64;

}  // namespace

void CameraPathFollower::Start(PathCamera* pathCamera, const std::vector<InterpNode>* path, bool looping) {
  camera = pathCamera;
  nodes = path;
  loop = looping ? 1 : 0;
  Reset();
}

void CameraPathFollower::Stop() {
  active = 0;
  done = 0;
}

void CameraPathFollower::Reset() {
  float total = 0;
  if (nodes) {
    for (uint32_t i = 0; i + 1 < nodes->size(); ++i) total += SegmentLength(i);
  }
  if (total > 0) {
    active = 1;
    done = 0;
    segment = 0;
    t = 0;
    segmentLength = SegmentLength(0);
    return;
  }
  // Nothing to fly along: a fly-through ends at the next physics step, a preview stays still.
  active = 0;
  if (!loop) done = 1;
}

float CameraPathFollower::SegmentLength(uint32_t first) const {
  const platform::Vector3 d = (*nodes)[first + 1].pos - (*nodes)[first].pos;
  const float length = platform::Vec3Length(d);
  return std::isfinite(length) ? length : 0.0f;
}

bool CameraPathFollower::Advance(float& distance) {
  const size_t segments = nodes->size() - 1;
  const size_t maxSteps = segments * kMaxPassesPerUpdate;
  float remaining = (1 - t) * segmentLength;
  size_t emptyRun = 0;
  size_t steps = 0;
  // Segments of length 0 hold no distance and are passed whatever the step, so that a paused
  // timer (step 0) never divides by a zero length.
  while (distance > remaining || !(segmentLength > 0)) {
    emptyRun = segmentLength > 0 ? 0 : emptyRun + 1;
    if (emptyRun > segments) return false;
    if (++steps > maxSteps) {
      distance = 0;
      break;
    }
    distance -= remaining;
    if (++segment >= segments) {
      segment = 0;
      if (!loop) done = 1;
    }
    segmentLength = SegmentLength(segment);
    t = 0;
    remaining = segmentLength;
  }
  return segmentLength > 0;
}

void CameraPathFollower::Update(float seconds) {
  if (!active) return;
  if (!nodes || nodes->size() < 2) {
    // The path was emptied under the follower.
    active = 0;
    if (!loop) done = 1;
    return;
  }
  if (segment + 1 >= nodes->size()) {
    segment = 0;
    t = 0;
    segmentLength = SegmentLength(0);
  }
  float distance = seconds * speed;
  if (!Advance(distance)) {
    active = 0;
    if (!loop) done = 1;
    return;
  }
  t = std::fmin((segmentLength * t + distance) / segmentLength, 1.0f);
  PlaceCamera();
}

void CameraPathFollower::PlaceCamera() const {
  if (!camera) return;
  const std::vector<InterpNode>& path = *nodes;
  const size_t n = path.size();
  const InterpNode& a = path[segment];
  const InterpNode& b = path[segment + 1];
  const platform::Vector3 p0 = segment > 0 ? path[segment - 1].pos : 2.0f * a.pos - b.pos;
  const platform::Vector3 p3 = segment + 2 < n ? path[segment + 2].pos : 2.0f * b.pos - a.pos;
  const platform::Vector3 position = platform::Vec3CatmullRom(p0, a.pos, b.pos, p3, t);
  camera->SetPathPose(position, platform::Vec3Lerp(a.dir, b.dir, t));
}
