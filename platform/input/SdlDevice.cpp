#include "platform/input/SdlDevice.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdint>

#include "platform/input/KeyCodes.h"

namespace platform {
namespace {

// The four buttons the mouse format has; SDL's second button is the middle one.
uint32_t ButtonOffset(uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return kMouseLeft;
    case SDL_BUTTON_RIGHT: return kMouseRight;
    case SDL_BUTTON_MIDDLE: return kMouseMiddle;
    case SDL_BUTTON_X1: return kMouseX1;
    default: return 0;
  }
}

}  // namespace

void SdlInputHub::Dispatch(const SDL_Event& event) {
  ++sequence;
  for (SdlDevice* device : devices) device->HandleEvent(event, sequence);
}

void SdlInputHub::SetFocus(bool isFocused) {
  focused = isFocused;
  ++sequence;
  for (SdlDevice* device : devices) device->SetFocus(isFocused, SDL_GetTicks(), sequence);
}

SdlDevice::SdlDevice(DeviceKind kind, std::shared_ptr<SdlInputHub> hub)
    : BufferedDevice(kind, hub->focused), hub_(std::move(hub)) {
  hub_->devices.push_back(this);
}

SdlDevice::~SdlDevice() {
  Unacquire();
  std::erase(hub_->devices, this);
}

void SdlDevice::HandleEvent(const SDL_Event& event, uint32_t sequence) {
  if (Kind() == DeviceKind::Keyboard)
    HandleKeyboard(event, sequence);
  else
    HandleMouse(event, sequence);
}

void SdlDevice::HandleKeyboard(const SDL_Event& event, uint32_t sequence) {
  if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return;
  SetCapsLock((event.key.keysym.mod & KMOD_CAPS) != 0);
  const uint32_t code = KeyCodeFromScancode(event.key.keysym.scancode);
  if (code != 0) KeyChanged(code, event.type == SDL_KEYDOWN, event.key.timestamp, sequence);
}

void SdlDevice::HandleMouse(const SDL_Event& event, uint32_t sequence) {
  switch (event.type) {
    case SDL_MOUSEMOTION:
      if (event.motion.xrel != 0) Moved(kMouseX, event.motion.xrel, event.motion.timestamp, sequence);
      if (event.motion.yrel != 0) Moved(kMouseY, event.motion.yrel, event.motion.timestamp, sequence);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (const uint32_t offset = ButtonOffset(event.button.button))
        KeyChanged(offset, event.type == SDL_MOUSEBUTTONDOWN, event.button.timestamp, sequence);
      break;
    case SDL_MOUSEWHEEL: {
      int64_t notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      const int64_t amount = std::clamp<int64_t>(notches * kWheelStep, INT32_MIN, INT32_MAX);
      if (amount != 0)
        Moved(kMouseWheel, static_cast<int32_t>(amount), event.wheel.timestamp, sequence);
      break;
    }
    default:
      break;
  }
}

// An exclusive mouse holds and hides the pointer: SDL's relative mouse mode. Drivers without it
// (offscreen) keep the pointer visible and still report relative motion, so its failure is not
// an error.
void SdlDevice::AcquisitionChanged(bool acquired) {
  if (Kind() == DeviceKind::Mouse && Level().exclusive)
    SDL_SetRelativeMouseMode(acquired ? SDL_TRUE : SDL_FALSE);
}

}  // namespace platform
