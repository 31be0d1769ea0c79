#include "platform/input/BufferedDevice.h"

namespace platform {
namespace {

constexpr uint8_t kHeld = 0x80;
constexpr uint8_t kToggled = 0x01;

bool Matches(DeviceKind kind, DataFormat format) {
  return (kind == DeviceKind::Keyboard) == (format == DataFormat::Keyboard);
}

}  // namespace

BufferedDevice::BufferedDevice(DeviceKind kind, bool windowFocused)
    : kind_(kind), focused_(windowFocused) {}

InputResult BufferedDevice::SetDataFormat(DataFormat format) {
  if (status_ == DeviceStatus::Acquired) return InputResult::AlreadyAcquired;
  if (!Matches(kind_, format)) return InputResult::InvalidArgument;
  format_ = format;
  return InputResult::Ok;
}

InputResult BufferedDevice::SetCooperativeLevel(CooperativeLevel level) {
  if (status_ == DeviceStatus::Acquired) return InputResult::AlreadyAcquired;
  level_ = level;
  return InputResult::Ok;
}

InputResult BufferedDevice::SetBufferSize(int records) {
  if (status_ == DeviceStatus::Acquired) return InputResult::AlreadyAcquired;
  if (records < 0) return InputResult::InvalidArgument;
  buffer_.Resize(static_cast<std::size_t>(records));
  return InputResult::Ok;
}

InputResult BufferedDevice::SetEventNotification(std::function<void()> notify) {
  if (status_ == DeviceStatus::Acquired) return InputResult::AlreadyAcquired;
  notify_ = std::move(notify);
  return InputResult::Ok;
}

InputResult BufferedDevice::Acquire() {
  if (status_ == DeviceStatus::Acquired) return InputResult::Ok;
  if (!format_) return InputResult::InvalidArgument;
  if (level_.foreground && !focused_) return InputResult::Refused;
  buffer_.Clear();
  status_ = DeviceStatus::Acquired;
  AcquisitionChanged(true);
  return InputResult::Ok;
}

InputResult BufferedDevice::Unacquire() {
  if (status_ == DeviceStatus::Acquired) StopBuffering(DeviceStatus::Created);
  status_ = DeviceStatus::Created;
  return InputResult::Ok;
}

InputResult BufferedDevice::Read(std::span<InputRecord> out, std::size_t& count) {
  count = 0;
  if (status_ == DeviceStatus::Lost) return InputResult::InputLost;
  if (status_ != DeviceStatus::Acquired) return InputResult::NotAcquired;
  if (buffer_.Capacity() == 0) return InputResult::NotBuffered;
  return buffer_.Read(out, count);
}

void BufferedDevice::SetFocus(bool focused, uint32_t time, uint32_t sequence) {
  focused_ = focused;
  if (focused) return;
  if (status_ == DeviceStatus::Acquired && level_.foreground) StopBuffering(DeviceStatus::Lost);
  for (uint32_t code = 0; code < keys_.size(); ++code)
    if (keys_[code] & kHeld) KeyChanged(code, false, time, sequence);
}

void BufferedDevice::KeyChanged(uint32_t code, bool down, uint32_t time, uint32_t sequence) {
  if (code >= keys_.size()) return;
  uint8_t& key = keys_[code];
  if (static_cast<bool>(key & kHeld) == down) return;
  key = static_cast<uint8_t>(down ? key | kHeld : key & ~kHeld);
  Buffer({code, down ? kPressed : 0u, time, sequence});
}

void BufferedDevice::Moved(uint32_t offset, int32_t amount, uint32_t time, uint32_t sequence) {
  Buffer({offset, static_cast<uint32_t>(amount), time, sequence});
}

void BufferedDevice::SetCapsLock(bool on) {
  uint8_t& key = keys_[kCapsLockCode];
  key = static_cast<uint8_t>(on ? key | kToggled : key & ~kToggled);
}

void BufferedDevice::Buffer(const InputRecord& record) {
  if (status_ != DeviceStatus::Acquired) return;
  buffer_.Push(record);
  if (notify_) notify_();
}

void BufferedDevice::StopBuffering(DeviceStatus status) {
  buffer_.Clear();
  status_ = status;
  AcquisitionChanged(false);
}

}  // namespace platform
