#pragma once
#include <memory>
#include <vector>

#include "platform/input/BufferedDevice.h"

union SDL_Event;

namespace platform {

class SdlDevice;

// What the window's handlers and the devices share; it outlives whichever of them goes first.
struct SdlInputHub {
  bool focused = false;
  uint32_t sequence = 0;
  std::vector<SdlDevice*> devices;

  void Dispatch(const SDL_Event& event);
  void SetFocus(bool focused);
};

// A keyboard or mouse fed by the window's SDL events.
class SdlDevice final : public BufferedDevice {
 public:
  SdlDevice(DeviceKind kind, std::shared_ptr<SdlInputHub> hub);
  ~SdlDevice() override;
  SdlDevice(const SdlDevice&) = delete;
  SdlDevice& operator=(const SdlDevice&) = delete;

  void HandleEvent(const SDL_Event& event, uint32_t sequence);

 private:
  void HandleKeyboard(const SDL_Event& event, uint32_t sequence);
  void HandleMouse(const SDL_Event& event, uint32_t sequence);
  void AcquisitionChanged(bool acquired) override;

  std::shared_ptr<SdlInputHub> hub_;
};

}  // namespace platform
