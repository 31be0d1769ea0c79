#include "platform/input/ScriptedInput.h"

namespace platform {

int ScriptedInputDevice::Calls(DeviceStep step) const {
  const auto found = calls_.find(step);
  return found == calls_.end() ? 0 : found->second;
}

InputResult ScriptedInputDevice::Step(DeviceStep step) {
  ++calls_[step];
  const auto failure = failures_.find(step);
  return failure == failures_.end() ? InputResult::Ok : failure->second;
}

InputResult ScriptedInputDevice::SetDataFormat(DataFormat format) {
  const InputResult result = Step(DeviceStep::SetDataFormat);
  return result != InputResult::Ok ? result : BufferedDevice::SetDataFormat(format);
}

InputResult ScriptedInputDevice::SetCooperativeLevel(CooperativeLevel level) {
  const InputResult result = Step(DeviceStep::SetCooperativeLevel);
  return result != InputResult::Ok ? result : BufferedDevice::SetCooperativeLevel(level);
}

InputResult ScriptedInputDevice::SetBufferSize(int records) {
  const InputResult result = Step(DeviceStep::SetBufferSize);
  return result != InputResult::Ok ? result : BufferedDevice::SetBufferSize(records);
}

InputResult ScriptedInputDevice::SetEventNotification(std::function<void()> notify) {
  const InputResult result = Step(DeviceStep::SetEventNotification);
  return result != InputResult::Ok ? result
                                   : BufferedDevice::SetEventNotification(std::move(notify));
}

InputResult ScriptedInputDevice::Acquire() {
  const InputResult result = Step(DeviceStep::Acquire);
  return result != InputResult::Ok ? result : BufferedDevice::Acquire();
}

InputResult ScriptedInputDevice::Read(std::span<InputRecord> out, std::size_t& count) {
  count = 0;
  const InputResult result = Step(DeviceStep::Read);
  return result != InputResult::Ok ? result : BufferedDevice::Read(out, count);
}

ScriptedInputBackend::ScriptedInputBackend()
    : keyboard_(std::make_unique<ScriptedInputDevice>(DeviceKind::Keyboard)),
      mouse_(std::make_unique<ScriptedInputDevice>(DeviceKind::Mouse)),
      keyboardView_(keyboard_.get()),
      mouseView_(mouse_.get()) {}

InputResult ScriptedInputBackend::Open() {
  if (openResult_ != InputResult::Ok) return openResult_;
  open_ = true;
  return InputResult::Ok;
}

InputResult ScriptedInputBackend::CreateDevice(DeviceKind kind,
                                               std::unique_ptr<InputDevice>& device) {
  if (!open_) return InputResult::Failed;
  const auto scripted = createResults_.find(kind);
  if (scripted != createResults_.end() && scripted->second != InputResult::Ok)
    return scripted->second;
  std::unique_ptr<ScriptedInputDevice>& own = kind == DeviceKind::Keyboard ? keyboard_ : mouse_;
  if (!own) return InputResult::Failed;
  device = std::move(own);
  return InputResult::Ok;
}

}  // namespace platform
