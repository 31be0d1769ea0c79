#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "platform/xfile/Model.h"

namespace platform::xfile {

// Plays one animation set of a model on its single track (the game only ever uses track 0)
// and writes the animated frames' matrices. Copying a controller gives an independent clone,
// one per model user. It reads the model's animation sets in place: they must outlive it and
// stay unchanged (moving the Model is fine).
//
// Time is kept in seconds; a set's local time is time x ticksPerSecond, wrapped over the set's
// length in ticks. Per animation: matrix keys, when present, give the matrix (interpolated
// element by element); otherwise scale x rotation x translation from the scale, rotation and
// position keys, each taken as identity when the animation has none of that kind. Before the
// first key the first value holds, after the last the last.
class AnimationController {
 public:
  explicit AnimationController(const Model& model);

  uint32_t NumAnimationSets() const { return static_cast<uint32_t>(sets_.size()); }
  // Puts a set on the track; the track keeps its time. An index out of range changes nothing
  // and returns false.
  bool SetAnimationSet(uint32_t index);
  uint32_t AnimationSetIndex() const { return set_; }
  double Time() const { return time_; }

  // Moves the track on and writes the matrix of every frame the current set animates; frames
  // no animation names, and animations naming no frame, are left alone.
  void AdvanceTime(double seconds, std::vector<Frame>& frames);

 private:
  std::span<const AnimationSet> sets_;
  std::vector<std::vector<int32_t>> targets_;  // per set, per animation: frame index or -1
  uint32_t set_ = 0;
  double time_ = 0;
};

// The matrix an animation gives at a time in ticks.
Matrix EvaluateAnimation(const Animation& animation, double ticks);

}  // namespace platform::xfile
