#pragma once
#include <memory>

#include "platform/core/Window.h"
#include "platform/input/InputDevice.h"

namespace platform {

struct SdlInputHub;
class RawMotionFilter;

// Keyboards and mice fed by the events that the window's pump hands over. Open installs the
// window's input and focus handlers (replacing any others) and takes the window's focus as it
// is then (unfocused when the window is not created yet). Devices and this object may be
// destroyed in any order; the window must outlive the pumping.
//
// SDL reports input to the focused window only, so a background device hears nothing while
// the window is unfocused either; it only keeps its acquisition.
//
// The mouse reports the mouse's own motion while the window has the focus, so that it does not
// stop where the pointer meets the screen's edge (on X11; elsewhere the pointer's motion).
class SdlInputBackend final : public InputBackend {
 public:
  explicit SdlInputBackend(Window& window);
  ~SdlInputBackend() override;

  // Failed when SDL's event system could not be started.
  InputResult Open() override;
  InputResult CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>& device) override;

 private:
  Window& window_;
  std::shared_ptr<SdlInputHub> hub_;
  std::unique_ptr<RawMotionFilter> rawMotion_;
};

}  // namespace platform
