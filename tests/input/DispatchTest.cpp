#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/input/InputTestSupport.h"

namespace {

using Strings = std::vector<std::string>;

TEST_F(InputTest, RecordsReachEveryActiveMapInRegistrationOrder) {
  StartInput();
  RecordingScheme* first = AddScheme("first");
  RecordingScheme* second = AddScheme("second");
  RecordingScheme* off = AddScheme("off");
  first->controlMap.Bind("A", "Left", true, false);
  first->controlMap.Bind("B", "Back", true, false);
  second->controlMap.Bind("A", "Strafe", true, false);
  off->controlMap.Bind("A", "Never", true, true);
  off->controlMap.SetActive(false);

  Keyboard().Press(kKeyA);
  Keyboard().Press(kKeyB);
  Frame();
  EXPECT_EQ(received, (Strings{"first:Left:1", "second:Strafe:1", "first:Back:1"}));
  EXPECT_TRUE(GetInput()->AnyKey());
  EXPECT_EQ(GetInput()->GetCurrentEvent().first, kKeyB);

  received.clear();
  Frame();
  EXPECT_TRUE(received.empty());
  EXPECT_FALSE(GetInput()->AnyKey()) << "cleared by the next frame";
}

TEST_F(InputTest, ABindingOnBothEdgesFiresOnPressAndOnRelease) {
  StartInput();
  AddScheme("s")->controlMap.Bind("W", "MoveForward", true, true);
  Tap(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"s:MoveForward:1", "s:MoveForward:0"}));
}

TEST_F(InputTest, WithoutAnActiveMapKeysStillTypeButPressNothing) {
  StartInput();
  RecordingScheme* typist = AddScheme("t", true);
  typist->controlMap.Bind("A", "Left", true, true);
  OnlyRecordingSchemesActive();
  typist->controlMap.SetActive(false);
  Tap(kKeyA);
  Frame();
  EXPECT_EQ(received, (Strings{"t:char:a"}));
  EXPECT_FALSE(GetInput()->AnyKey());
}

TEST_F(InputTest, TypingTwoLettersInOneFrameUpdatesTheTextInputTwice) {
  StartInput();
  AddScheme("t", true);
  Tap(kKeyA);
  Tap(kKeyB);
  Frame();
  EXPECT_EQ(received, (Strings{"t:char:a", "t:char:b"}));
}

// However fast the typing, and however slow the frame, a letter takes the shift that was down
// when it was pressed.
TEST_F(InputTest, TypedLettersFollowTheShiftHeldWhenTheyWentDown) {
  StartInput();
  AddScheme("t", true);
  Keyboard().Press(kKeyLShift);
  Tap(kKeyA);
  Keyboard().Release(kKeyLShift);
  Tap(kKeyA);
  Keyboard().Press(kKeyLShift);
  Frame();
  Tap(kKeyB);
  Frame();
  EXPECT_EQ(received, (Strings{"t:char:A", "t:char:a", "t:char:B"}));
}

TEST_F(InputTest, CapsLockTurnsLettersToCapitals) {
  StartInput();
  AddScheme("t", true);
  Keyboard().SetCapsLockOn(true);
  Tap(kKeyA);
  Frame();
  EXPECT_EQ(received, (Strings{"t:char:A"}));
}

TEST_F(InputTest, AnInactiveTextInputKeepsItsLastCharacter) {
  StartInput();
  RecordingScheme* t = AddScheme("t", true);
  Tap(kKeyA);
  Frame();
  t->textInput.SetActive(false);
  Tap(kKeyB);
  Frame();
  EXPECT_EQ(t->textInput.GetChar(), 'a');
  EXPECT_EQ(received, (Strings{"t:char:a"}));
}

// Escape in play switches to the menu scheme, which comes later in the list: it must not see
// the same Escape, nor must any map after it.
TEST_F(InputTest, ASchemeChangeKeepsTheKeyFromTheMapsAfterIt) {
  StartInput();
  RecordingScheme* game = AddScheme("game");
  RecordingScheme* menu = AddScheme("menu");
  RecordingScheme* later = AddScheme("later");
  InputFocus* focus = Engine::Get()->GetInputFocus();
  focus->RegisterScheme("Game", game);
  focus->RegisterScheme("Null", menu);
  game->controlMap.Bind("Escape", "EscapePressed", true, false);
  menu->controlMap.Bind("Escape", "EscapePressed", true, false);
  later->controlMap.Bind("Escape", "Later", true, false);
  game->react = [](const std::string&) {
    GetLogic()->SetControlsName("Null");
    GetLogic()->SetControls();
  };
  GetLogic()->SetControlsName("Game");
  GetLogic()->SetControls();

  Tap(kKeyEscape);
  Frame();
  EXPECT_EQ(received, (Strings{"game:EscapePressed:1"}));
  EXPECT_TRUE(menu->controlMap.IsActive());
  EXPECT_FALSE(game->controlMap.IsActive());

  received.clear();
  Tap(kKeyEscape);
  Frame();
  EXPECT_EQ(received, (Strings{"menu:EscapePressed:1", "later:Later:1"})) << "the next Escape reaches the new scheme";
}

TEST_F(InputTest, MouseAxesAreSummedRecordByRecordAsEachHandlerSeesThem) {
  StartInput();
  RecordingScheme* s = AddScheme("s");
  std::vector<std::string> seen;
  s->react = [&seen](const std::string& name) {
    Input* in = GetInput();
    seen.push_back(name + " " + std::to_string(in->GetMouseDeltaX()) + " " + std::to_string(in->GetMouseDeltaY()) +
                   " " + std::to_string(in->GetMouseWheel()));
  };
  s->controlMap.BindMouse("MouseMoveX", "X", true, true);
  s->controlMap.BindMouse("MouseMoveY", "Y", true, true);
  s->controlMap.BindMouse("MW", "Wheel", true, true);
  Mouse().Move(platform::kMouseX, 5);
  Mouse().Move(platform::kMouseY, -3);
  Mouse().Move(platform::kMouseX, 7);
  Mouse().Move(platform::kMouseWheel, 120);
  Frame();
  EXPECT_EQ(seen, (Strings{"X 5 0 0", "Y 5 -3 0", "X 12 -3 0", "Wheel 12 -3 120"}));
  // A negative movement has bit 7 set and counts as a press; a small positive one does not.
  EXPECT_EQ(received, (Strings{"s:X:0", "s:Y:1", "s:X:0", "s:Wheel:0"}));
  EXPECT_FALSE(GetInput()->AnyKey()) << "movement is no key press";

  Frame();
  EXPECT_EQ(GetInput()->GetMouseDeltaX(), 0) << "the sums start again each frame";
}

// A key pressed in the same frame as a leftward mouse movement still counts as a key press.
TEST_F(InputTest, MouseMovementDoesNotHideAKeyPress) {
  StartInput();
  AddScheme("s");
  Keyboard().Press(kKeyA);
  Mouse().Move(platform::kMouseX, -4);
  Frame();
  EXPECT_TRUE(GetInput()->AnyKey());
}

TEST_F(InputTest, ButtonsKeepTheirOffsetsAsCodes) {
  StartInput();
  RecordingScheme* s = AddScheme("s");
  s->controlMap.BindMouse("M2", "Right", true, true);
  std::vector<uint32_t> codes;
  s->react = [&codes](const std::string&) { codes.push_back(GetInput()->GetCurrentEvent().first); };
  Mouse().Press(platform::kMouseRight);
  Mouse().Release(platform::kMouseRight);
  Frame();
  EXPECT_EQ(received, (Strings{"s:Right:1", "s:Right:0"}));
  EXPECT_EQ(codes, (std::vector<uint32_t>{0x0D, 0x0D}));
  EXPECT_TRUE(GetInput()->AnyKey());
}

class DoubleClickTest : public InputTest {
 protected:
  void SetUp() override {
    StartInput();
    scheme = AddScheme("s");
    scheme->controlMap.BindMouse("M1", "Click", true, false);
    scheme->controlMap.BindMouse("MouseDouble", "Double", true, false);
    OnlyRecordingSchemesActive();
    // Well past the first second, so that the first click is not taken for the second of a pair.
    EngineFixture::Frame(5.0);
  }
  void Click(double secondsLater) {
    clock.AdvanceSeconds(secondsLater);
    Mouse().Press(platform::kMouseLeft);
    Mouse().Release(platform::kMouseLeft);
    Frame();
  }
  RecordingScheme* scheme = nullptr;
};

TEST_F(DoubleClickTest, TwoQuickClicksMakeADoubleClickAndAThirdOnlyCounts) {
  Click(0);
  Click(0.3);
  Click(0.3);
  EXPECT_EQ(received, (Strings{"s:Click:1", "s:Click:1", "s:Double:1", "s:Click:1"}));
}

TEST_F(DoubleClickTest, ClicksFurtherApartThanTheDelayAreSingle) {
  Click(0);
  Click(0.1 + GetInput()->GetConfig().doubleClickDelay);
  EXPECT_EQ(received, (Strings{"s:Click:1", "s:Click:1"}));
}

TEST_F(DoubleClickTest, ThePausedTimerHoldsTheDelay) {
  Click(0);
  Engine::Get()->GetTimer()->SetPaused(true);
  Click(3.0);
  EXPECT_EQ(received, (Strings{"s:Click:1", "s:Click:1", "s:Double:1"}));
}

TEST_F(InputTest, ALostKeyboardSkipsTheFrameAndIsAcquiredAgain) {
  StartInput();
  RecordingScheme* s = AddScheme("s", true);
  s->controlMap.Bind("A", "Left", true, false);
  s->controlMap.BindMouse("M2", "Right", true, false);
  Keyboard().Fail(platform::DeviceStep::Read, platform::InputResult::InputLost);
  const int acquires = Keyboard().Calls(platform::DeviceStep::Acquire);
  Keyboard().Press(kKeyA);
  Mouse().Press(platform::kMouseRight);
  Frame();
  Frame();
  EXPECT_TRUE(received.empty()) << "neither device is read, no character is delivered";
  EXPECT_EQ(Keyboard().Calls(platform::DeviceStep::Acquire), acquires + 2);
  // Once per loss: a window left in the background must not fill the disk with this line.
  EXPECT_THAT(LogOf("InputLog"), testing::EndsWith("file\nLost DirectInput keyboard device\n"));

  Keyboard().Succeed(platform::DeviceStep::Read);
  Frame();
  EXPECT_EQ(received, (Strings{"s:Left:1", "s:Right:1", "s:char:a"}));

  Keyboard().Fail(platform::DeviceStep::Read, platform::InputResult::InputLost);
  Frame();
  EXPECT_THAT(LogOf("InputLog"), testing::EndsWith("file\nLost DirectInput keyboard device\nLost DirectInput keyboard device\n"))
      << "a new loss is logged again";
}

TEST_F(InputTest, ALostMouseKeepsTheTypedCharactersForTheNextFrame) {
  StartInput();
  AddScheme("s", true);
  Mouse().Fail(platform::DeviceStep::Read, platform::InputResult::NotAcquired);
  Tap(kKeyA);
  Frame();
  EXPECT_TRUE(received.empty());
  EXPECT_THAT(LogOf("InputLog"), testing::EndsWith("\nLost DirectInput mouse device\n"));
  Mouse().Succeed(platform::DeviceStep::Read);
  Frame();
  EXPECT_EQ(received, (Strings{"s:char:a"}));
}

// A full buffer drops the records that came last; a key whose release was among them must not
// stay down.
TEST_F(InputTest, KeysReleasedInDroppedRecordsAreReleased) {
  StartInput();
  RecordingScheme* s = AddScheme("s");
  s->controlMap.Bind("W", "MoveForward", true, true);
  s->controlMap.Bind("A", "Left", true, true);
  Keyboard().SetBufferSize(2);
  Keyboard().Press(kKeyW);
  Keyboard().Press(kKeyA);
  Keyboard().Release(kKeyW);  // dropped
  Frame();
  EXPECT_EQ(received, (Strings{"s:MoveForward:1", "s:Left:1", "s:MoveForward:0"}));

  received.clear();
  Keyboard().Release(kKeyA);
  Frame();
  EXPECT_EQ(received, (Strings{"s:Left:0"})) << "a key still held is released only when it comes up";
}

TEST_F(InputTest, ButtonsReleasedInDroppedRecordsAreReleased) {
  StartInput();
  RecordingScheme* s = AddScheme("s");
  s->controlMap.BindMouse("M2", "Right", true, true);
  Mouse().SetBufferSize(1);
  Mouse().Press(platform::kMouseRight);
  Mouse().Release(platform::kMouseRight);  // dropped
  Frame();
  EXPECT_EQ(received, (Strings{"s:Right:1", "s:Right:0"}));
}

// A foreground keyboard is lost with the window's focus; keys that came up meanwhile are
// released once it reads again.
TEST_F(InputTest, KeysReleasedWhileTheKeyboardWasLostAreReleased) {
  StartInput();
  RecordingScheme* s = AddScheme("s");
  s->controlMap.Bind("W", "MoveForward", true, true);
  Keyboard().Press(kKeyW);
  Frame();
  Keyboard().Unacquire();     // the window lost the focus
  Keyboard().Release(kKeyW);  // not buffered
  Frame();                    // lost: acquired again
  Frame();
  EXPECT_EQ(received, (Strings{"s:MoveForward:1", "s:MoveForward:0"}));
}

}  // namespace
