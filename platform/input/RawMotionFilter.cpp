#include "platform/input/RawMotionFilter.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>
#include <X11/extensions/XInput2.h>

#include <cstring>

namespace platform {
namespace {

// The motion along the first two axes of a raw event, unaccelerated: the values stand in the
// order of the axes the mask names.
void RawAxes(const XIRawEvent& raw, double& dx, double& dy) {
  dx = dy = 0.0;
  const double* value = raw.raw_values;
  const int axes = raw.valuators.mask_len * 8;
  for (int axis = 0; axis < axes && axis < 2; ++axis) {
    if (!XIMaskIsSet(raw.valuators.mask, axis)) continue;
    (axis == 0 ? dx : dy) = *value++;
  }
}

}  // namespace

RawMotionFilter::RawMotionFilter(std::function<bool()> focused) : focused_(std::move(focused)) {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || std::strcmp(driver, "x11") != 0) return;
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  SDL_SetEventFilter(&RawMotionFilter::Filter, this);
  installed_ = true;
}

RawMotionFilter::~RawMotionFilter() {
  if (!installed_) return;
  SDL_EventFilter filter = nullptr;
  void* owner = nullptr;
  if (SDL_GetEventFilter(&filter, &owner) && owner == this) SDL_SetEventFilter(nullptr, nullptr);
  SDL_EventState(SDL_SYSWMEVENT, SDL_DISABLE);
}

int RawMotionFilter::Filter(void* self, SDL_Event* event) { return static_cast<RawMotionFilter*>(self)->Handle(*event); }

int RawMotionFilter::Handle(SDL_Event& event) {
  if (event.type == SDL_SYSWMEVENT) return HandleWindowSystemEvent(event);
  if (event.type != SDL_MOUSEMOTION || event.motion.which == SDL_TOUCH_MOUSEID || SDL_GetRelativeMouseMode())
    return 1;
  return motion_.OnPointerMotion(event.motion.xrel, event.motion.yrel) ? 1 : 0;
}

// Window-system events are looked at here and never queued.
int RawMotionFilter::HandleWindowSystemEvent(SDL_Event& event) {
  if (SDL_GetRelativeMouseMode()) {
    motion_.Reset();
    return 0;
  }
  if (!event.syswm.msg || event.syswm.msg->subsystem != SDL_SYSWM_X11) return 0;
  XGenericEventCookie& cookie = event.syswm.msg->msg.x11.event.xcookie;
  if (cookie.type != GenericEvent || !cookie.data) return 0;
  if (inputOpcode_ < 0) {
    int firstEvent = 0, firstError = 0;
    if (!XQueryExtension(cookie.display, "XInputExtension", &inputOpcode_, &firstEvent, &firstError)) inputOpcode_ = 0;
  }
  if (cookie.extension != inputOpcode_) return 0;
  std::optional<MouseMotion::Delta> delta;
  switch (cookie.evtype) {
    case XI_RawMotion: {
      const auto& raw = *static_cast<const XIRawEvent*>(cookie.data);
      double dx = 0.0, dy = 0.0;
      RawAxes(raw, dx, dy);
      delta = motion_.OnDeviceMotion(raw.sourceid, raw.time, dx, dy, IsRelative(cookie.display, raw.sourceid),
                                     focused_());
      break;
    }
    case XI_Motion: {
      const auto& pointer = *static_cast<const XIDeviceEvent*>(cookie.data);
      // Touch emulation, which SDL reports as touches.
      if (pointer.flags & XIPointerEmulated) return 0;
      delta = motion_.OnPointerRecord(pointer.sourceid, pointer.time);
      break;
    }
    case XI_HierarchyChanged:
      relativeDevices_.clear();
      break;
    default:
      break;
  }
  if (!delta) return 0;
  BecomePointerMotion(event, *delta);
  return 1;
}

bool RawMotionFilter::IsRelative(void* display, int device) {
  auto known = relativeDevices_.find(device);
  if (known != relativeDevices_.end()) return known->second;
  bool relative = false;
  int count = 0;
  if (XIDeviceInfo* info = XIQueryDevice(static_cast<Display*>(display), device, &count)) {
    for (int c = 0; count > 0 && c < info->num_classes; ++c) {
      const XIAnyClassInfo* any = info->classes[c];
      if (any->type != XIValuatorClass) continue;
      const auto* axis = reinterpret_cast<const XIValuatorClassInfo*>(any);
      if (axis->number == 0) relative = axis->mode == XIModeRelative;
    }
    XIFreeDeviceInfo(info);
  }
  relativeDevices_[device] = relative;
  return relative;
}

// Where the pointer stands and which buttons are held, as SDL knows it now.
void RawMotionFilter::BecomePointerMotion(SDL_Event& event, const MouseMotion::Delta& delta) {
  const Uint32 timestamp = event.common.timestamp;
  SDL_Window* window = SDL_GetMouseFocus();
  int x = 0, y = 0;
  const Uint32 buttons = SDL_GetMouseState(&x, &y);
  event = SDL_Event{};
  event.motion.type = SDL_MOUSEMOTION;
  event.motion.timestamp = timestamp;
  event.motion.windowID = window ? SDL_GetWindowID(window) : 0;
  event.motion.state = buttons;
  event.motion.x = x;
  event.motion.y = y;
  event.motion.xrel = delta.x;
  event.motion.yrel = delta.y;
}

}  // namespace platform
