#include "platform/input/ScriptedInput.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace platform {
namespace {

std::vector<InputRecord> ReadAll(InputDevice& device, InputResult expected = InputResult::Ok) {
  std::vector<InputRecord> records(kMaxBufferRecords + 1);
  std::size_t count = 0;
  EXPECT_EQ(device.Read(records, count), expected);
  records.resize(count);
  return records;
}

class ScriptedInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(backend_.Open(), InputResult::Ok);
    ASSERT_EQ(backend_.CreateDevice(DeviceKind::Keyboard, device_), InputResult::Ok);
    ASSERT_EQ(device_->SetDataFormat(DataFormat::Keyboard), InputResult::Ok);
  }
  ScriptedInputDevice& Keyboard() { return backend_.Keyboard(); }

  ScriptedInputBackend backend_;
  std::unique_ptr<InputDevice> device_;
};

TEST_F(ScriptedInputTest, EveryStepCanBeMadeToFail) {
  for (DeviceStep step : {DeviceStep::SetDataFormat, DeviceStep::SetCooperativeLevel,
                          DeviceStep::SetBufferSize, DeviceStep::SetEventNotification,
                          DeviceStep::Acquire, DeviceStep::Read})
    Keyboard().Fail(step, InputResult::Failed);
  EXPECT_EQ(device_->SetDataFormat(DataFormat::Keyboard), InputResult::Failed);
  EXPECT_EQ(device_->SetCooperativeLevel({}), InputResult::Failed);
  EXPECT_EQ(device_->SetBufferSize(4), InputResult::Failed);
  EXPECT_EQ(device_->SetEventNotification([] {}), InputResult::Failed);
  EXPECT_EQ(device_->Acquire(), InputResult::Failed);
  ReadAll(*device_, InputResult::Failed);
  EXPECT_EQ(Keyboard().BufferCapacity(), 0u) << "a failed step changes nothing";
  EXPECT_FALSE(Keyboard().HasEventNotification());
  EXPECT_EQ(Keyboard().Calls(DeviceStep::SetDataFormat), 2);

  Keyboard().Succeed(DeviceStep::SetBufferSize);
  Keyboard().Succeed(DeviceStep::Acquire);
  Keyboard().Succeed(DeviceStep::Read);
  EXPECT_EQ(device_->SetBufferSize(4), InputResult::Ok);
  EXPECT_EQ(device_->Acquire(), InputResult::Ok);
  ReadAll(*device_);
}

TEST(ScriptedInputBackendTest, OpenAndCreationCanFailAndEachDeviceIsHandedOutOnce) {
  ScriptedInputBackend backend;
  std::unique_ptr<InputDevice> device;
  EXPECT_EQ(backend.CreateDevice(DeviceKind::Keyboard, device), InputResult::Failed);
  backend.FailOpen(InputResult::Failed);
  EXPECT_EQ(backend.Open(), InputResult::Failed);
  backend.FailOpen(InputResult::Ok);
  ASSERT_EQ(backend.Open(), InputResult::Ok);
  backend.FailCreate(DeviceKind::Mouse, InputResult::Failed);
  EXPECT_EQ(backend.CreateDevice(DeviceKind::Mouse, device), InputResult::Failed);
  EXPECT_EQ(device, nullptr);
  ASSERT_EQ(backend.CreateDevice(DeviceKind::Keyboard, device), InputResult::Ok);
  EXPECT_EQ(device.get(), &backend.Keyboard());
  std::unique_ptr<InputDevice> second;
  EXPECT_EQ(backend.CreateDevice(DeviceKind::Keyboard, second), InputResult::Failed);
}

TEST_F(ScriptedInputTest, SettingsAreKeptAndRefusedWhileAcquired) {
  const CooperativeLevel level{.foreground = true, .exclusive = false, .noWindowsKey = true};
  ASSERT_EQ(device_->SetCooperativeLevel(level), InputResult::Ok);
  ASSERT_EQ(device_->SetBufferSize(16), InputResult::Ok);
  EXPECT_TRUE(Keyboard().Level().noWindowsKey);
  EXPECT_EQ(device_->SetDataFormat(DataFormat::Mouse), InputResult::InvalidArgument);
  EXPECT_EQ(Keyboard().Format(), DataFormat::Keyboard);

  ASSERT_EQ(device_->Acquire(), InputResult::Ok);
  EXPECT_EQ(device_->Acquire(), InputResult::Ok);
  EXPECT_EQ(device_->SetDataFormat(DataFormat::Keyboard), InputResult::AlreadyAcquired);
  EXPECT_EQ(device_->SetCooperativeLevel({}), InputResult::AlreadyAcquired);
  EXPECT_EQ(device_->SetBufferSize(4), InputResult::AlreadyAcquired);
  EXPECT_EQ(device_->SetEventNotification([] {}), InputResult::AlreadyAcquired);
  EXPECT_TRUE(Keyboard().Level().foreground);
}

TEST(ScriptedDeviceTest, AcquireNeedsADataFormat) {
  ScriptedInputDevice mouse(DeviceKind::Mouse);
  EXPECT_EQ(mouse.Acquire(), InputResult::InvalidArgument);
  EXPECT_EQ(mouse.SetDataFormat(DataFormat::Keyboard), InputResult::InvalidArgument);
  ASSERT_EQ(mouse.SetDataFormat(DataFormat::Mouse), InputResult::Ok);
  EXPECT_EQ(mouse.Acquire(), InputResult::Ok);
}

TEST_F(ScriptedInputTest, BufferSizesOutsideTheUsualRangeAreSafe) {
  EXPECT_EQ(device_->SetBufferSize(-1), InputResult::InvalidArgument);
  EXPECT_EQ(device_->SetBufferSize(INT_MIN), InputResult::InvalidArgument);

  ASSERT_EQ(device_->SetBufferSize(INT_MAX), InputResult::Ok);
  EXPECT_EQ(Keyboard().BufferCapacity(), static_cast<std::size_t>(kMaxBufferRecords));

  ASSERT_EQ(device_->SetBufferSize(0), InputResult::Ok);
  ASSERT_EQ(device_->Acquire(), InputResult::Ok);
  Keyboard().Press(0x1E);
  ReadAll(*device_, InputResult::NotBuffered);
  KeyState state;
  device_->GetKeyState(state);
  EXPECT_EQ(state[0x1E], 0x80) << "the key state works without a buffer";
}

TEST_F(ScriptedInputTest, ReadsHandOutAtMostWhatFitsAndKeepTheRest) {
  ASSERT_EQ(device_->SetBufferSize(8), InputResult::Ok);
  ASSERT_EQ(device_->Acquire(), InputResult::Ok);
  for (uint32_t code = 0x10; code < 0x15; ++code) Keyboard().Press(code);
  std::vector<InputRecord> records(2);
  std::size_t count = 0;
  ASSERT_EQ(device_->Read(records, count), InputResult::Ok);
  ASSERT_EQ(count, 2u);
  EXPECT_EQ(records[1].offset, 0x11u);
  const auto rest = ReadAll(*device_);
  ASSERT_EQ(rest.size(), 3u);
  EXPECT_EQ(rest[0].offset, 0x12u);
}

TEST_F(ScriptedInputTest, BufferWrapsAroundAndOverflowsAgainAfterARead) {
  ASSERT_EQ(device_->SetBufferSize(3), InputResult::Ok);
  ASSERT_EQ(device_->Acquire(), InputResult::Ok);
  for (int round = 0; round < 4; ++round) {
    Keyboard().Move(0, round);
    Keyboard().Move(0, round + 10);
    const auto records = ReadAll(*device_);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].data, static_cast<uint32_t>(round + 10));
  }
  for (int i = 0; i < 5; ++i) Keyboard().Move(0, i);
  const auto kept = ReadAll(*device_, InputResult::BufferOverflow);
  ASSERT_EQ(kept.size(), 3u);
  EXPECT_EQ(kept[2].data, 2u);
}

TEST_F(ScriptedInputTest, FocusLossLosesForegroundDevicesAndReleasesKeys) {
  ASSERT_EQ(device_->SetCooperativeLevel({.foreground = true}), InputResult::Ok);
  ASSERT_EQ(device_->SetBufferSize(8), InputResult::Ok);
  ASSERT_EQ(device_->Acquire(), InputResult::Ok);
  Keyboard().Press(0x2A);
  Keyboard().SetWindowFocus(false);
  EXPECT_EQ(device_->Status(), DeviceStatus::Lost);
  ReadAll(*device_, InputResult::InputLost);
  KeyState state;
  device_->GetKeyState(state);
  EXPECT_EQ(state[0x2A], 0);
  EXPECT_EQ(device_->Acquire(), InputResult::Refused);
  Keyboard().SetWindowFocus(true);
  EXPECT_EQ(device_->Acquire(), InputResult::Ok);
  EXPECT_EQ(device_->Unacquire(), InputResult::Ok);
  EXPECT_EQ(device_->Status(), DeviceStatus::Created);
  ReadAll(*device_, InputResult::NotAcquired);
}

TEST_F(ScriptedInputTest, CapsLockStaysInTheKeyStateAcrossFocusLoss) {
  Keyboard().SetCapsLockOn(true);
  Keyboard().SetWindowFocus(false);
  KeyState state;
  device_->GetKeyState(state);
  EXPECT_EQ(state[kCapsLockCode], 0x01);
}

}  // namespace
}  // namespace platform
