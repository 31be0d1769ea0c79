#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/input/InputTestSupport.h"

namespace {

using platform::DeviceKind;
using platform::DeviceStep;
using platform::InputResult;
using platform::ScriptedInputBackend;
using testing::EndsWith;
using testing::HasSubstr;

const char* kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

TEST_F(InputTest, AMissingSettingsFileIsWrittenFromTheDefaults) {
  StartInput();
  EXPECT_EQ(TempDir::Read("Data/InputConfig.xml"),
            std::string(kHeader) +
                "<var><bool name=\"keyboardForeground\">false</bool><bool name=\"keyboardExclusive\">false</bool>"
                "<bool name=\"mouseForeground\">false</bool><bool name=\"mouseExclusive\">false</bool>"
                "<bool name=\"keyboardDisableWindowsKey\">false</bool><float name=\"doubleClickDelay\">1</float>"
                "<int name=\"keyboardBufferSize\">128</int><int name=\"mouseBufferSize\">128</int></var>");
  EXPECT_THAT(LogOf("InputLog"), HasSubstr("Failed to load config. Data/InputConfig.xml: could not open file\n"));
}

TEST_F(InputTest, TheSettingsAreReadByPositionNotByName) {
  TempDir::Write("Data/InputConfig.xml", std::string(kHeader) +
                                             "<x>\r\n<a>true</a><b name=\"q\">false</b><c>true</c><d>false</d><e>true</e>"
                                             "<f>0.25</f><g>64</g><h>32</h></x>");
  StartInput();
  const InputConfig& c = GetInput()->GetConfig();
  EXPECT_TRUE(c.keyboardForeground);
  EXPECT_FALSE(c.keyboardExclusive);
  EXPECT_TRUE(c.mouseForeground);
  EXPECT_FALSE(c.mouseExclusive);
  EXPECT_TRUE(c.keyboardDisableWindowsKey);
  EXPECT_FLOAT_EQ(c.doubleClickDelay, 0.25f);
  EXPECT_EQ(c.keyboardBufferSize, 64);
  EXPECT_EQ(c.mouseBufferSize, 32);
  EXPECT_EQ(Keyboard().BufferCapacity(), 64u);
  EXPECT_EQ(Mouse().BufferCapacity(), 32u);
}

TEST_F(InputTest, AMalformedSettingsFileKeepsWhatWasReadAndIsNotRewritten) {
  const std::string broken = std::string(kHeader) + "<var><bool>true</bool><bool/><bool>tr";
  TempDir::Write("Data/InputConfig.xml", broken);
  StartInput();
  EXPECT_TRUE(GetInput()->GetConfig().keyboardForeground);
  EXPECT_FALSE(GetInput()->GetConfig().mouseForeground);
  EXPECT_EQ(TempDir::Read("Data/InputConfig.xml"), broken);
  EXPECT_THAT(LogOf("InputLog"), HasSubstr("Failed to load config. "));
}

// An emptied file is not written over, and says that it holds nothing.
TEST_F(InputTest, ASelfClosingSettingsElementKeepsTheDefaults) {
  TempDir::Write("Data/InputConfig.xml", std::string(kHeader) + "<var/>");
  StartInput();
  EXPECT_EQ(GetInput()->GetConfig().keyboardBufferSize, 128);
  EXPECT_EQ(TempDir::Read("Data/InputConfig.xml"), std::string(kHeader) + "<var/>");
  EXPECT_EQ(LogOf("InputLog"), "Data/InputConfig.xml: none of its values is there: each keeps the one it had\n");
}

struct WindowsKeyCase {
  const char* foreground;
  const char* exclusive;
  bool disabled;
};

class WindowsKeyTest : public InputTest, public testing::WithParamInterface<WindowsKeyCase> {};

TEST_P(WindowsKeyTest, TheSystemKeyIsKeptOnlyFromAForegroundSharedKeyboard) {
  const WindowsKeyCase& p = GetParam();
  TempDir::Write("Data/InputConfig.xml", std::string(kHeader) + "<var><bool>" + p.foreground + "</bool><bool>" +
                                             p.exclusive + "</bool><bool/><bool/><bool>true</bool></var>");
  StartInput();
  EXPECT_EQ(Keyboard().Level().noWindowsKey, p.disabled);
}

INSTANTIATE_TEST_SUITE_P(Levels, WindowsKeyTest,
                         testing::Values(WindowsKeyCase{"true", "false", true}, WindowsKeyCase{"true", "true", false},
                                         WindowsKeyCase{"false", "false", false}));

struct BufferCase {
  const char* configured;
  size_t used;
};

class BufferSizeTest : public InputTest, public testing::WithParamInterface<BufferCase> {};

TEST_P(BufferSizeTest, SizesOutOfRangeAreReplacedAndInputStillWorks) {
  const BufferCase& p = GetParam();
  TempDir::Write("Data/InputConfig.xml", std::string(kHeader) + "<var><bool/><bool/><bool/><bool/><bool/><float/><int>" +
                                             p.configured + "</int><int>" + p.configured + "</int></var>");
  StartInput();
  EXPECT_EQ(Keyboard().BufferCapacity(), p.used);
  EXPECT_EQ(Mouse().BufferCapacity(), p.used);
  EXPECT_THAT(LogOf("InputLog"), HasSubstr(std::string("keyboardBufferSize ") + p.configured + " is out of range; using " +
                                           std::to_string(p.used) + "\n"));
  AddScheme("s")->controlMap.Bind("A", "Left", true, false);
  Tap(kKeyA);
  Frame();
  EXPECT_EQ(received, std::vector<std::string>{"s:Left:1"});
}

INSTANTIATE_TEST_SUITE_P(Sizes, BufferSizeTest,
                         testing::Values(BufferCase{"0", 128}, BufferCase{"-5", 128},
                                         BufferCase{"2147483647", platform::kMaxBufferRecords}));

struct InitFailure {
  const char* line;
  std::function<void(ScriptedInputBackend&)> script;
  // Initialisation goes on after this failure and the devices are read.
  bool goesOn;
};

class InitFailureTest : public InputTest, public testing::WithParamInterface<InitFailure> {};

TEST_P(InitFailureTest, EachStepLogsItsOwnLine) {
  StartInput(GetParam().script);
  EXPECT_THAT(LogOf("InputLog"), EndsWith(std::string("\n") + GetParam().line + "\n"));
  Frame();
  Frame();
  EXPECT_EQ(Keyboard().Calls(DeviceStep::Read) > 0, GetParam().goesOn);
  EXPECT_EQ(Mouse().Calls(DeviceStep::Read) > 0, GetParam().goesOn);
}

void FailKeyboard(ScriptedInputBackend& b, DeviceStep step) { b.Keyboard().Fail(step, InputResult::Failed); }
void FailMouse(ScriptedInputBackend& b, DeviceStep step) { b.Mouse().Fail(step, InputResult::Failed); }

INSTANTIATE_TEST_SUITE_P(
    Steps, InitFailureTest,
    testing::Values(
        InitFailure{"Could not create DirectInput object", [](ScriptedInputBackend& b) { b.FailOpen(InputResult::Failed); },
                    false},
        InitFailure{"Could not create DirectInput Keyboard object",
                    [](ScriptedInputBackend& b) { b.FailCreate(DeviceKind::Keyboard, InputResult::Failed); }, false},
        InitFailure{"Could not create DirectInput Mouse object",
                    [](ScriptedInputBackend& b) { b.FailCreate(DeviceKind::Mouse, InputResult::Failed); }, false},
        InitFailure{"Could not set DirectInput Keyboard data format",
                    [](ScriptedInputBackend& b) { FailKeyboard(b, DeviceStep::SetDataFormat); }, false},
        InitFailure{"Could not set DirectInput Mouse data format",
                    [](ScriptedInputBackend& b) { FailMouse(b, DeviceStep::SetDataFormat); }, false},
        InitFailure{"Could not set DirectInput Keyboard cooperative level",
                    [](ScriptedInputBackend& b) { FailKeyboard(b, DeviceStep::SetCooperativeLevel); }, false},
        InitFailure{"Could not set DirectInput Mouse cooperative level",
                    [](ScriptedInputBackend& b) { FailMouse(b, DeviceStep::SetCooperativeLevel); }, false},
        InitFailure{"Could not set up buffered input on DirectInput Keyboard",
                    [](ScriptedInputBackend& b) { FailKeyboard(b, DeviceStep::SetBufferSize); }, false},
        InitFailure{"Could not set up event notification on DirectInput Mouse",
                    [](ScriptedInputBackend& b) { FailMouse(b, DeviceStep::SetEventNotification); }, false},
        InitFailure{"Could not set up buffered input on DirectInput Mouse",
                    [](ScriptedInputBackend& b) { FailMouse(b, DeviceStep::SetBufferSize); }, false},
        InitFailure{"Could not acquire DirectInput Mouse",
                    [](ScriptedInputBackend& b) { FailMouse(b, DeviceStep::Acquire); }, true}));

TEST_F(InputTest, AKeyboardThatCannotBeAcquiredYetIsAcquiredByTheFrames) {
  StartInput([](ScriptedInputBackend& b) { b.Keyboard().Fail(DeviceStep::Acquire, InputResult::Refused); });
  EXPECT_THAT(LogOf("InputLog"), HasSubstr("\nCould not acquire DirectInput Keyboard\n"));
  EXPECT_EQ(Mouse().Calls(DeviceStep::Acquire), 1) << "initialisation goes on";
  Keyboard().Succeed(DeviceStep::Acquire);
  Frame();
  AddScheme("s")->controlMap.Bind("A", "Left", true, false);
  Tap(kKeyA);
  Frame();
  EXPECT_EQ(received, std::vector<std::string>{"s:Left:1"});
}

TEST_F(InputTest, ShutDownLeavesTheDevicesAlone) {
  StartInput();
  GetInput()->Shutdown();
  GetInput()->Update();
  EXPECT_EQ(GetInput()->KeyToChar(kKeyA), 0);
}

}  // namespace
