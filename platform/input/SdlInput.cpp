#include "platform/input/SdlInput.h"

#include <SDL2/SDL.h>

#include "platform/input/RawMotionFilter.h"
#include "platform/input/SdlDevice.h"

namespace platform {

SdlInputBackend::SdlInputBackend(Window& window) : window_(window) {}

SdlInputBackend::~SdlInputBackend() = default;

InputResult SdlInputBackend::Open() {
  if (hub_) return InputResult::Ok;
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return InputResult::Failed;
  hub_ = std::make_shared<SdlInputHub>();
  hub_->focused =
      window_.IsOpen() && (SDL_GetWindowFlags(window_.Handle()) & SDL_WINDOW_INPUT_FOCUS) != 0;
  window_.SetInputHandler([hub = hub_](const SDL_Event& event) { hub->Dispatch(event); });
  window_.SetFocusHandler([hub = hub_](bool focused) { hub->SetFocus(focused); });
  rawMotion_ = std::make_unique<RawMotionFilter>([hub = hub_] { return hub->focused; });
  return InputResult::Ok;
}

InputResult SdlInputBackend::CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>& device) {
  if (!hub_) return InputResult::Failed;
  device = std::make_unique<SdlDevice>(kind, hub_);
  return InputResult::Ok;
}

}  // namespace platform
