#pragma once
#include <map>
#include <memory>

#include "platform/input/BufferedDevice.h"

// Devices driven by a test instead of a window: records are injected by hand, and any step
// can be told to fail with a given result.
namespace platform {

enum class DeviceStep {
  SetDataFormat,
  SetCooperativeLevel,
  SetBufferSize,
  SetEventNotification,
  Acquire,
  Read,
};

class ScriptedInputDevice final : public BufferedDevice {
 public:
  explicit ScriptedInputDevice(DeviceKind kind) : BufferedDevice(kind, true) {}

  // Every later call of `step` returns `result` and changes nothing, until Succeed.
  void Fail(DeviceStep step, InputResult result) { failures_[step] = result; }
  void Succeed(DeviceStep step) { failures_.erase(step); }
  // How often `step` was called, failed calls included.
  int Calls(DeviceStep step) const;

  // Events, time-stamped with the current time. Presses of held keys and releases of keys
  // that are not held are ignored, as from a window.
  void Press(uint32_t code) { KeyChanged(code, true, time_, ++sequence_); }
  void Release(uint32_t code) { KeyChanged(code, false, time_, ++sequence_); }
  void Move(uint32_t axisOffset, int32_t amount) { Moved(axisOffset, amount, time_, ++sequence_); }
  void SetCapsLockOn(bool on) { SetCapsLock(on); }
  // The window gains or loses the focus (the device starts with the window focused).
  void SetWindowFocus(bool focused) { SetFocus(focused, time_, ++sequence_); }
  void SetTime(uint32_t milliseconds) { time_ = milliseconds; }

  InputResult SetDataFormat(DataFormat format) override;
  InputResult SetCooperativeLevel(CooperativeLevel level) override;
  InputResult SetBufferSize(int records) override;
  InputResult SetEventNotification(std::function<void()> notify) override;
  InputResult Acquire() override;
  InputResult Read(std::span<InputRecord> out, std::size_t& count) override;

 private:
  // The scripted failure of `step`, or Ok; counts the call.
  InputResult Step(DeviceStep step);

  std::map<DeviceStep, InputResult> failures_;
  std::map<DeviceStep, int> calls_;
  uint32_t time_ = 0;
  uint32_t sequence_ = 0;
};

// Hands out one scripted keyboard and one scripted mouse. Keyboard() and Mouse() stay valid
// until the device handed out by CreateDevice is destroyed (or, if never handed out, until
// the backend is).
class ScriptedInputBackend final : public InputBackend {
 public:
  ScriptedInputBackend();

  void FailOpen(InputResult result) { openResult_ = result; }
  void FailCreate(DeviceKind kind, InputResult result) { createResults_[kind] = result; }

  ScriptedInputDevice& Keyboard() { return *keyboardView_; }
  ScriptedInputDevice& Mouse() { return *mouseView_; }
  bool IsOpen() const { return open_; }

  // Failed before Open, for a scripted failure and for a second device of the same kind.
  InputResult Open() override;
  InputResult CreateDevice(DeviceKind kind, std::unique_ptr<InputDevice>& device) override;

 private:
  InputResult openResult_ = InputResult::Ok;
  std::map<DeviceKind, InputResult> createResults_;
  bool open_ = false;
  std::unique_ptr<ScriptedInputDevice> keyboard_;
  std::unique_ptr<ScriptedInputDevice> mouse_;
  ScriptedInputDevice* keyboardView_;
  ScriptedInputDevice* mouseView_;
};

}  // namespace platform
