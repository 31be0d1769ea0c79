#include "platform/input/SdlInput.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/input/KeyToChar.h"

namespace platform {
namespace {

// Events pushed here travel the same way as real ones: through the window's pump into the
// devices. The window itself is not opened: the pump needs only SDL's event system, and the
// devices need no window (an opened one would start unfocused under the offscreen driver too).
class SdlInputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { setenv("SDL_VIDEODRIVER", "offscreen", 0); }

  void SetUp() override {
    ASSERT_EQ(backend_.Open(), InputResult::Ok);
    Pump();
  }

  void Pump() {
    while (window_.PumpOne() != PumpResult::Empty) {
    }
  }

  std::unique_ptr<InputDevice> Acquired(DeviceKind kind, CooperativeLevel level = {},
                                        int bufferSize = 16) {
    std::unique_ptr<InputDevice> device;
    EXPECT_EQ(backend_.CreateDevice(kind, device), InputResult::Ok);
    const DataFormat format = kind == DeviceKind::Keyboard ? DataFormat::Keyboard : DataFormat::Mouse;
    EXPECT_EQ(device->SetDataFormat(format), InputResult::Ok);
    EXPECT_EQ(device->SetCooperativeLevel(level), InputResult::Ok);
    EXPECT_EQ(device->SetBufferSize(bufferSize), InputResult::Ok);
    EXPECT_EQ(device->Acquire(), InputResult::Ok);
    return device;
  }

  static std::vector<InputRecord> ReadAll(InputDevice& device, InputResult expected = InputResult::Ok) {
    std::vector<InputRecord> records(64);
    std::size_t count = 0;
    EXPECT_EQ(device.Read(records, count), expected);
    records.resize(count);
    return records;
  }

  static void Push(SDL_Event event) { ASSERT_EQ(SDL_PushEvent(&event), 1); }

  static void Key(SDL_Scancode scancode, bool down, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = scancode;
    event.key.keysym.mod = mod;
    event.key.repeat = repeat;
    Push(event);
  }
  static void Stroke(SDL_Scancode scancode) {
    Key(scancode, true);
    Key(scancode, false);
  }
  static void Button(Uint8 button, bool down) {
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    Push(event);
  }
  static void Motion(int dx, int dy) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.xrel = dx;
    event.motion.yrel = dy;
    Push(event);
  }
  static void Wheel(int y, Uint32 direction = SDL_MOUSEWHEEL_NORMAL) {
    SDL_Event event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = y;
    event.wheel.direction = direction;
    Push(event);
  }
  static void Focus(bool gained) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = gained ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
    Push(event);
  }

  Window window_;
  SdlInputBackend backend_{window_};
};

struct Expected {
  uint32_t offset;
  uint32_t data;
};

void ExpectRecords(const std::vector<InputRecord>& records, const std::vector<Expected>& expected) {
  ASSERT_EQ(records.size(), expected.size());
  for (std::size_t i = 0; i < records.size(); ++i) {
    EXPECT_EQ(records[i].offset, expected[i].offset) << "record " << i;
    EXPECT_EQ(records[i].data, expected[i].data) << "record " << i;
  }
}

TEST_F(SdlInputTest, KeyboardRecordsKeepEventOrderWithGameKeyCodes) {
  auto keyboard = Acquired(DeviceKind::Keyboard);
  Key(SDL_SCANCODE_A, true);
  Key(SDL_SCANCODE_LSHIFT, true);
  Key(SDL_SCANCODE_A, false);
  Key(SDL_SCANCODE_LSHIFT, false);
  for (SDL_Scancode key : {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_RETURN, SDL_SCANCODE_SPACE,
                           SDL_SCANCODE_UP, SDL_SCANCODE_DOWN, SDL_SCANCODE_LEFT,
                           SDL_SCANCODE_RIGHT, SDL_SCANCODE_HOME, SDL_SCANCODE_END,
                           SDL_SCANCODE_F1, SDL_SCANCODE_KP_ENTER})
    Key(key, true);
  Pump();

  const auto records = ReadAll(*keyboard);
  ExpectRecords(records, {{0x1E, 0x80}, {0x2A, 0x80}, {0x1E, 0}, {0x2A, 0}, {0x01, 0x80},
                          {0x1C, 0x80}, {0x39, 0x80}, {0xC8, 0x80}, {0xD0, 0x80}, {0xCB, 0x80},
                          {0xCD, 0x80}, {0xC7, 0x80}, {0xCF, 0x80}, {0x3B, 0x80}, {0x9C, 0x80}});
  for (std::size_t i = 1; i < records.size(); ++i) {
    EXPECT_GT(records[i].sequence, records[i - 1].sequence);
    EXPECT_GE(records[i].timestamp, records[i - 1].timestamp);
  }
  EXPECT_TRUE(ReadAll(*keyboard).empty());
}

TEST_F(SdlInputTest, RepeatsAndKeysWithoutCodeGiveNoRecords) {
  auto keyboard = Acquired(DeviceKind::Keyboard);
  Key(SDL_SCANCODE_W, true);
  Key(SDL_SCANCODE_W, true, KMOD_NONE, 1);
  Key(SDL_SCANCODE_W, true);
  Stroke(SDL_SCANCODE_F20);
  Key(SDL_SCANCODE_W, false);
  Key(SDL_SCANCODE_W, false);
  Pump();
  ExpectRecords(ReadAll(*keyboard), {{0x11, 0x80}, {0x11, 0}});
}

TEST_F(SdlInputTest, MouseRecordsUseAxisAndButtonOffsets) {
  auto mouse = Acquired(DeviceKind::Mouse);
  Motion(5, -3);
  Motion(0, 7);
  for (Uint8 button : {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_X1,
                       SDL_BUTTON_X2}) {
    Button(button, true);
    Button(button, false);
  }
  Wheel(1);
  Wheel(-2);
  Wheel(1, SDL_MOUSEWHEEL_FLIPPED);
  Wheel(0);
  Pump();

  const auto records = ReadAll(*mouse);
  ExpectRecords(records, {{kMouseX, 5}, {kMouseY, static_cast<uint32_t>(-3)}, {kMouseY, 7},
                          {0x0C, 0x80}, {0x0C, 0}, {0x0D, 0x80}, {0x0D, 0}, {0x0E, 0x80},
                          {0x0E, 0}, {0x0F, 0x80}, {0x0F, 0}, {kMouseWheel, 120},
                          {kMouseWheel, static_cast<uint32_t>(-240)},
                          {kMouseWheel, static_cast<uint32_t>(-120)}});
  EXPECT_EQ(records[0].sequence, records[1].sequence) << "one motion, one sequence number";
  EXPECT_LT(records[1].sequence, records[2].sequence);
}

TEST_F(SdlInputTest, EachDeviceSeesOnlyItsOwnEvents) {
  auto keyboard = Acquired(DeviceKind::Keyboard);
  auto mouse = Acquired(DeviceKind::Mouse);
  Key(SDL_SCANCODE_Q, true);
  Button(SDL_BUTTON_LEFT, true);
  Key(SDL_SCANCODE_Q, false);
  Pump();
  const auto keys = ReadAll(*keyboard);
  const auto buttons = ReadAll(*mouse);
  ExpectRecords(keys, {{0x10, 0x80}, {0x10, 0}});
  ExpectRecords(buttons, {{0x0C, 0x80}});
  EXPECT_LT(keys[0].sequence, buttons[0].sequence);
  EXPECT_LT(buttons[0].sequence, keys[1].sequence);
}

TEST_F(SdlInputTest, FullBufferKeepsTheOldestRecordsAndReportsOverflowOnce) {
  auto keyboard = Acquired(DeviceKind::Keyboard, {}, 3);
  Key(SDL_SCANCODE_A, true);
  Key(SDL_SCANCODE_S, true);
  Key(SDL_SCANCODE_D, true);
  Key(SDL_SCANCODE_A, false);
  Key(SDL_SCANCODE_S, false);
  Pump();

  ExpectRecords(ReadAll(*keyboard, InputResult::BufferOverflow),
                {{0x1E, 0x80}, {0x1F, 0x80}, {0x20, 0x80}});
  // The dropped releases still show in the key state, so held keys need not stick.
  KeyState state;
  keyboard->GetKeyState(state);
  EXPECT_EQ(state[0x1E], 0);
  EXPECT_EQ(state[0x1F], 0);
  EXPECT_EQ(state[0x20], 0x80);
  EXPECT_TRUE(ReadAll(*keyboard, InputResult::Ok).empty());
}

TEST_F(SdlInputTest, ForegroundDeviceNeedsTheFocusAndIsLostWithIt) {
  std::unique_ptr<InputDevice> keyboard;
  ASSERT_EQ(backend_.CreateDevice(DeviceKind::Keyboard, keyboard), InputResult::Ok);
  ASSERT_EQ(keyboard->SetDataFormat(DataFormat::Keyboard), InputResult::Ok);
  ASSERT_EQ(keyboard->SetCooperativeLevel({.foreground = true}), InputResult::Ok);
  ASSERT_EQ(keyboard->SetBufferSize(8), InputResult::Ok);
  EXPECT_EQ(keyboard->Acquire(), InputResult::Refused);
  EXPECT_EQ(keyboard->Status(), DeviceStatus::Created);
  ReadAll(*keyboard, InputResult::NotAcquired);

  Focus(true);
  Pump();
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  Key(SDL_SCANCODE_E, true);
  Focus(false);
  Key(SDL_SCANCODE_E, false);
  Pump();
  EXPECT_EQ(keyboard->Status(), DeviceStatus::Lost);
  ReadAll(*keyboard, InputResult::InputLost);
  EXPECT_EQ(keyboard->Acquire(), InputResult::Refused);

  Focus(true);
  Pump();
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  EXPECT_TRUE(ReadAll(*keyboard).empty()) << "records from before the loss are gone";
}

// The main loop handles one window message a frame; focus changes take no such turn, so that
// they never wait frames behind the messages of a window that has just opened.
TEST_F(SdlInputTest, FocusChangesTakeNoMessageTurn) {
  std::unique_ptr<InputDevice> keyboard;
  ASSERT_EQ(backend_.CreateDevice(DeviceKind::Keyboard, keyboard), InputResult::Ok);
  ASSERT_EQ(keyboard->SetDataFormat(DataFormat::Keyboard), InputResult::Ok);
  ASSERT_EQ(keyboard->SetCooperativeLevel({.foreground = true}), InputResult::Ok);
  ASSERT_EQ(keyboard->SetBufferSize(8), InputResult::Ok);
  Focus(false);
  EXPECT_EQ(window_.PumpOne(), PumpResult::Empty);
  EXPECT_EQ(keyboard->Acquire(), InputResult::Refused);
  SDL_Event moved{};
  moved.type = SDL_WINDOWEVENT;
  moved.window.event = SDL_WINDOWEVENT_MOVED;
  Focus(true);
  Push(moved);
  EXPECT_EQ(window_.PumpOne(), PumpResult::Handled) << "the move is this pass's message";
  EXPECT_EQ(keyboard->Acquire(), InputResult::Ok);
}

TEST_F(SdlInputTest, BackgroundDeviceReleasesHeldKeysWhenTheFocusGoes) {
  auto keyboard = Acquired(DeviceKind::Keyboard);
  auto mouse = Acquired(DeviceKind::Mouse);
  Key(SDL_SCANCODE_W, true);
  Button(SDL_BUTTON_RIGHT, true);
  Focus(false);
  Pump();
  EXPECT_EQ(keyboard->Status(), DeviceStatus::Acquired);
  ExpectRecords(ReadAll(*keyboard), {{0x11, 0x80}, {0x11, 0}});
  ExpectRecords(ReadAll(*mouse), {{0x0D, 0x80}, {0x0D, 0}});
}

TEST_F(SdlInputTest, KeyStateFollowsEventsEvenBeforeAcquisition) {
  std::unique_ptr<InputDevice> keyboard;
  ASSERT_EQ(backend_.CreateDevice(DeviceKind::Keyboard, keyboard), InputResult::Ok);
  Key(SDL_SCANCODE_RSHIFT, true);
  Key(SDL_SCANCODE_B, true, KMOD_CAPS);
  Pump();
  KeyState state;
  keyboard->GetKeyState(state);
  const KeyModifiers modifiers = ModifiersFrom(state);
  EXPECT_TRUE(modifiers.shift);
  EXPECT_TRUE(modifiers.capsLock);
  EXPECT_EQ(KeyToChar(0x30, modifiers), 'b');
  EXPECT_EQ(KeyToChar(0x02, modifiers), '!');
}

TEST_F(SdlInputTest, NotificationRunsForEveryEventOfTheAcquiredDevice) {
  int notified = 0;
  std::unique_ptr<InputDevice> mouse;
  ASSERT_EQ(backend_.CreateDevice(DeviceKind::Mouse, mouse), InputResult::Ok);
  ASSERT_EQ(mouse->SetDataFormat(DataFormat::Mouse), InputResult::Ok);
  ASSERT_EQ(mouse->SetEventNotification([&] { ++notified; }), InputResult::Ok);
  ASSERT_EQ(mouse->SetBufferSize(4), InputResult::Ok);
  Motion(1, 0);
  Pump();
  EXPECT_EQ(notified, 0);
  ASSERT_EQ(mouse->Acquire(), InputResult::Ok);
  Motion(1, 0);
  Wheel(1);
  Pump();
  EXPECT_EQ(notified, 2);
}

TEST_F(SdlInputTest, ExclusiveMouseWorksWhereRelativeModeIsMissing) {
  auto mouse = Acquired(DeviceKind::Mouse, {.exclusive = true});
  Motion(-4, 2);
  Pump();
  ExpectRecords(ReadAll(*mouse), {{kMouseX, static_cast<uint32_t>(-4)}, {kMouseY, 2}});
  EXPECT_EQ(mouse->Unacquire(), InputResult::Ok);
  EXPECT_FALSE(SDL_GetRelativeMouseMode());
}

TEST(SdlInputBackendTest, DevicesNeedOpenAndOutliveTheBackend) {
  Window window;
  std::unique_ptr<InputDevice> keyboard;
  {
    SdlInputBackend backend(window);
    EXPECT_EQ(backend.CreateDevice(DeviceKind::Keyboard, keyboard), InputResult::Failed);
    ASSERT_EQ(backend.Open(), InputResult::Ok);
    ASSERT_EQ(backend.CreateDevice(DeviceKind::Keyboard, keyboard), InputResult::Ok);
    std::unique_ptr<InputDevice> mouse;
    ASSERT_EQ(backend.CreateDevice(DeviceKind::Mouse, mouse), InputResult::Ok);
  }
  ASSERT_EQ(keyboard->SetDataFormat(DataFormat::Keyboard), InputResult::Ok);
  ASSERT_EQ(keyboard->SetBufferSize(4), InputResult::Ok);
  ASSERT_EQ(keyboard->Acquire(), InputResult::Ok);
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.scancode = SDL_SCANCODE_Z;
  const auto pushAndPump = [&] {
    SDL_PushEvent(&event);
    while (window.PumpOne() != PumpResult::Empty) {
    }
  };
  pushAndPump();
  std::vector<InputRecord> records(4);
  std::size_t count = 0;
  EXPECT_EQ(keyboard->Read(records, count), InputResult::Ok);
  EXPECT_EQ(count, 1u);
  keyboard.reset();
  pushAndPump();  // reaches no device
}

}  // namespace
}  // namespace platform
