#pragma once
#include <optional>

#include "platform/input/InputDevice.h"
#include "platform/input/RecordBuffer.h"

namespace platform {

// What every device shares: its settings, acquisition, record buffer and held keys. The
// implementations feed it key changes and axis movements as their events arrive.
class BufferedDevice : public InputDevice {
 public:
  BufferedDevice(DeviceKind kind, bool windowFocused);

  InputResult SetDataFormat(DataFormat format) override;
  InputResult SetCooperativeLevel(CooperativeLevel level) override;
  InputResult SetBufferSize(int records) override;
  InputResult SetEventNotification(std::function<void()> notify) override;
  InputResult Acquire() override;
  InputResult Unacquire() override;
  InputResult Read(std::span<InputRecord> out, std::size_t& count) override;
  void GetKeyState(KeyState& state) const override { state = keys_; }
  DeviceStatus Status() const override { return status_; }

  DeviceKind Kind() const { return kind_; }
  std::optional<DataFormat> Format() const { return format_; }
  const CooperativeLevel& Level() const { return level_; }
  std::size_t BufferCapacity() const { return buffer_.Capacity(); }
  bool HasEventNotification() const { return static_cast<bool>(notify_); }

  // The window gained or lost the focus. On a loss the held keys count as released: an
  // acquired foreground device is lost; an acquired background device buffers a release for
  // each held key or button, because the window will not see them come up.
  void SetFocus(bool focused, uint32_t time, uint32_t sequence);

 protected:
  // A key or button went down or up. Repeated presses and releases of keys that are not held
  // change nothing; other changes update the held keys and, while acquired, are buffered.
  void KeyChanged(uint32_t code, bool down, uint32_t time, uint32_t sequence);
  // Axis movement, buffered while acquired.
  void Moved(uint32_t offset, int32_t amount, uint32_t time, uint32_t sequence);
  void SetCapsLock(bool on);
  // Runs when buffering starts or stops.
  virtual void AcquisitionChanged(bool /*acquired*/) {}

 private:
  void Buffer(const InputRecord& record);
  void StopBuffering(DeviceStatus status);

  DeviceKind kind_;
  bool focused_;
  std::optional<DataFormat> format_;
  CooperativeLevel level_;
  DeviceStatus status_ = DeviceStatus::Created;
  RecordBuffer buffer_;
  KeyState keys_{};
  std::function<void()> notify_;
};

}  // namespace platform
