#include "platform/xfile/AnimationController.h"

#include <algorithm>
#include <cmath>

namespace platform::xfile {
namespace {

// Finds the keys around a time and how far between them it lies.
template <typename T, typename Blend>
T Sample(const std::vector<Key<T>>& keys, double ticks, const T& none, Blend blend) {
  if (keys.empty()) return none;
  auto after = std::upper_bound(keys.begin(), keys.end(), ticks,
                                [](double t, const Key<T>& k) { return t < k.time; });
  if (after == keys.begin()) return keys.front().value;
  if (after == keys.end()) return keys.back().value;
  const Key<T>& before = *(after - 1);
  const double span = double(after->time) - before.time;
  return blend(before.value, after->value, static_cast<float>((ticks - before.time) / span));
}

}  // namespace

Matrix EvaluateAnimation(const Animation& a, double ticks) {
  if (!a.matrices.empty())
    return Sample(a.matrices, ticks, IdentityMatrix(),
                  [](const Matrix& x, const Matrix& y, float t) { return Lerp(x, y, t); });
  auto lerp = [](const Vec3& x, const Vec3& y, float t) { return Lerp(x, y, t); };
  const Vec3 scale = Sample(a.scales, ticks, Vec3{1, 1, 1}, lerp);
  const Quat rotation = Sample(a.rotations, ticks, Quat{}, Slerp);
  const Vec3 position = Sample(a.positions, ticks, Vec3{}, lerp);
  return ScaleRotateTranslate(scale, rotation, position);
}

AnimationController::AnimationController(const Model& model) : sets_(model.animationSets) {
  for (const AnimationSet& set : model.animationSets) {
    std::vector<int32_t>& targets = targets_.emplace_back();
    for (const Animation& a : set.animations) targets.push_back(model.FindFrame(a.frameName));
  }
}

bool AnimationController::SetAnimationSet(uint32_t index) {
  if (index >= sets_.size()) return false;
  set_ = index;
  return true;
}

void AnimationController::AdvanceTime(double seconds, std::vector<Frame>& frames) {
  time_ += seconds;
  if (set_ >= sets_.size()) return;
  const AnimationSet& set = sets_[set_];
  const double length = set.LengthInTicks();
  double ticks = time_ * set.ticksPerSecond;
  ticks = length > 0 && std::isfinite(ticks) ? std::fmod(ticks, length) : 0;
  if (ticks < 0) ticks += length;
  for (size_t i = 0; i < set.animations.size(); ++i) {
    const int32_t frame = targets_[set_][i];
    if (frame >= 0 && size_t(frame) < frames.size())
      frames[frame].transform = EvaluateAnimation(set.animations[i], ticks);
  }
}

}  // namespace platform::xfile
