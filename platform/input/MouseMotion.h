#pragma once
#include <cstdint>
#include <optional>
#include <utility>

namespace platform {

// The mouse's own motion, whatever the pointer does. The windowing system stops the pointer at
// the screen's edges while the mouse keeps moving, so where it reports the motion of the device
// itself (X11's raw events) that is the motion counted. Pointer motion counts only where no
// device motion stands behind it: absolute pointers (tablets, remote desktops) and moves made
// by programs.
//
// On X11 the events of one pointer move arrive in this order: the device's raw motion, SDL's
// pointer motion, then the windowing system's record of that pointer motion, which names the
// device and the time. The pointer motion is held back until its record tells whether it was
// already counted as device motion.
class MouseMotion {
 public:
  struct Delta {
    int32_t x = 0;
    int32_t y = 0;
  };

  // Raw motion of device `source` at server time `time`; `relative` when the device moves
  // relatively (a mouse, a touchpad), `counted` when the motion is to be counted at all (the
  // window has the focus). What it gives is whole units; fractions wait for the next motion.
  std::optional<Delta> OnDeviceMotion(int source, unsigned long time, double dx, double dy, bool relative, bool counted);
  // SDL's pointer motion. False: held back until its record comes (it must not be counted now).
  bool OnPointerMotion(int dx, int dy);
  // The record of the last pointer motion: what of it counts.
  std::optional<Delta> OnPointerRecord(int source, unsigned long time);
  // Forgets everything: the pointer's motion counts again until the windowing system's device
  // events are seen.
  void Reset();

 private:
  static int32_t TakeWhole(double& sum);

  // The windowing system reports its devices' events, so pointer motion comes with records:
  // from now on it waits for them. (Motion SDL makes up, at the window's border, waits for
  // the next record and goes with it.)
  bool recordsFollow_ = false;
  Delta held_;
  // The last counted device motion, which its pointer motion must not repeat.
  std::optional<std::pair<int, unsigned long>> lastDeviceMotion_;
  double restX_ = 0.0;
  double restY_ = 0.0;
};

}  // namespace platform
