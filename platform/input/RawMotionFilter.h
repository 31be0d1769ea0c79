#pragma once
#include <functional>
#include <map>

#include "platform/input/MouseMotion.h"

union SDL_Event;

namespace platform {

// Gives the mouse device the mouse's own motion on X11: SDL's event filter, fed every event as
// SDL makes it, turns the windowing system's raw device motion into pointer motion events and
// drops the pointer motion that repeats it (MouseMotion decides). The pointer itself stays free
// and shown; it only stops mattering at the screen's edges.
//
// It does nothing under other video drivers (the pointer motion counts as it is) and while an
// exclusive mouse has SDL's relative mode on (SDL then reports the device's motion itself).
// Only one lives at a time: it is SDL's event filter, installed when made and removed when gone.
class RawMotionFilter {
 public:
  // `focused` tells whether the window has the focus: device motion counts only then.
  explicit RawMotionFilter(std::function<bool()> focused);
  ~RawMotionFilter();
  RawMotionFilter(const RawMotionFilter&) = delete;
  RawMotionFilter& operator=(const RawMotionFilter&) = delete;

 private:
  static int Filter(void* self, SDL_Event* event);
  // 1: the event goes on into SDL's queue (perhaps rewritten); 0: it is dropped.
  int Handle(SDL_Event& event);
  int HandleWindowSystemEvent(SDL_Event& event);
  // Whether the device moves the pointer by relative amounts (asked once per device).
  bool IsRelative(void* display, int device);
  static void BecomePointerMotion(SDL_Event& event, const MouseMotion::Delta& delta);

  std::function<bool()> focused_;
  bool installed_ = false;
  int inputOpcode_ = -1;
  MouseMotion motion_;
  std::map<int, bool> relativeDevices_;
};

}  // namespace platform
