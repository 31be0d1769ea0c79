#pragma once
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "platform/xfile/Model.h"
#include "tools/modelgen/Skeleton.h"

namespace modelgen {

// A body pose: per bone a rotation about its parent's axes, and a shift of the root bone
// across the floor (its height comes from keeping the feet on the floor).
class Pose {
 public:
  explicit Pose(const Skeleton& skeleton);
  // Adds a rotation (after any given before) to the named bone.
  Pose& Turn(const std::string& bone, const Quat& q);
  Pose& Shift(const Vec3& offset);  // moves the root bone

  const std::vector<Quat>& Rotations() const { return rotations_; }
  const Vec3& RootShift() const { return shift_; }

 private:
  const Skeleton& skeleton_;
  std::vector<Quat> rotations_;
  Vec3 shift_;
};

// A looping motion: the pose at each phase of one cycle (0 to 1) and the cycle's length.
struct Clip {
  std::string name;
  float seconds;
  std::function<void(float phase, Pose& pose)> pose;
};

// How the motions differ between characters.
struct MotionStyle {
  bool holdsLight = false;  // keeps the right arm raised, pointing the hand forward
  float stride = 1;         // scales leg and arm swings
};

constexpr double kTicksPerSecond = 4800;

// A point of a sole: where it is in the bind pose, and the bone that carries it.
struct Contact {
  uint32_t bone;
  Vec3 point;
};

// Samples a clip into an animation set: rotation and position keys for every bone, the last
// key repeating the first so that the loop closes. Each pose is raised or lowered so that its
// lowest contact stands where the lowest one stands in the bind pose: on the floor.
platform::xfile::AnimationSet SampleClip(const Skeleton& skeleton, const Clip& clip,
                                         std::span<const Contact> contacts, int keysPerCycle = 24);

// The thieves' sets in the order the game selects them: 0 idle, 1 sneak, 2 walk, 3 run.
std::vector<Clip> ThiefClips(const MotionStyle& style);
// The guard's: 0 idle (looking about), 1 walk, 2 run, 3 confuse, 4 sleep.
std::vector<Clip> GuardClips(const MotionStyle& style);

}  // namespace modelgen
