#include "platform/input/MouseMotion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace platform {
namespace {

int32_t Saturated(int64_t value) {
  return static_cast<int32_t>(
      std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

}  // namespace

int32_t MouseMotion::TakeWhole(double& sum) {
  if (!std::isfinite(sum)) sum = 0.0;
  const double whole = std::clamp(std::trunc(sum), double(std::numeric_limits<int32_t>::min()),
                                  double(std::numeric_limits<int32_t>::max()));
  sum = std::clamp(sum - whole, -1.0, 1.0);
  return static_cast<int32_t>(whole);
}

std::optional<MouseMotion::Delta> MouseMotion::OnDeviceMotion(int source, unsigned long time, double dx, double dy,
                                                              bool relative, bool counted) {
  // The windowing system speaks of its devices: pointer motion comes with records from now on.
  recordsFollow_ = true;
  if (!relative || !counted) return std::nullopt;
  lastDeviceMotion_ = std::pair(source, time);
  restX_ += dx;
  restY_ += dy;
  const Delta delta{TakeWhole(restX_), TakeWhole(restY_)};
  if (delta.x == 0 && delta.y == 0) return std::nullopt;
  return delta;
}

bool MouseMotion::OnPointerMotion(int dx, int dy) {
  if (!recordsFollow_) return true;
  held_.x = Saturated(int64_t(held_.x) + dx);
  held_.y = Saturated(int64_t(held_.y) + dy);
  return false;
}

std::optional<MouseMotion::Delta> MouseMotion::OnPointerRecord(int source, unsigned long time) {
  recordsFollow_ = true;
  const Delta held = std::exchange(held_, Delta{});
  if (lastDeviceMotion_ == std::pair(source, time)) return std::nullopt;
  if (held.x == 0 && held.y == 0) return std::nullopt;
  return held;
}

void MouseMotion::Reset() { *this = MouseMotion(); }

}  // namespace platform
