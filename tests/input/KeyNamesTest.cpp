#include "input/KeyNames.h"

#include <gtest/gtest.h>

#include <set>

#include "platform/input/KeyCodes.h"

namespace {

TEST(KeyNamesTest, HoldsTheMouseAndKeyboardNames) {
  KeyNames names;
  EXPECT_EQ(names.Size(), 150u);
  EXPECT_EQ(names.Get("M1"), 0x0C);
  EXPECT_EQ(names.Get("Mouse4"), 0x0F);
  EXPECT_EQ(names.Get("MouseMoveY"), 0x13);
  EXPECT_EQ(names.Get("MW"), 0x14);
  EXPECT_EQ(names.Get("A"), 0x1E);
  EXPECT_EQ(names.Get("0"), 0x0B);
  EXPECT_EQ(names.Get("Escape"), 0x01);
  EXPECT_EQ(names.Get("SemiColon"), 0x27);
  EXPECT_EQ(names.Get("F11"), 0x57);
  EXPECT_EQ(names.Get("RControl"), 0x9D);
  EXPECT_EQ(names.Get("Yen"), 0x7D);
  EXPECT_EQ(names.Size(), 150u) << "known names add nothing";
}

TEST(KeyNamesTest, KeepsTheOddCodesBindingsRelyOn) {
  KeyNames names;
  EXPECT_EQ(names.Get("NumpadEquals"), 0x0D);
  EXPECT_EQ(names.Get("Mouse5"), 0x10);
  EXPECT_EQ(names.Get("Minus"), names.Get("M1"));
}

TEST(KeyNamesTest, UnknownNamesAreAddedWithCodeZero) {
  KeyNames names;
  EXPECT_EQ(names.Get("MouseDouble"), 0);
  EXPECT_EQ(names.Get("Spcae"), 0);
  EXPECT_EQ(names.Get("a"), 0) << "names are case-sensitive";
  EXPECT_EQ(names.Size(), 153u);
  EXPECT_EQ(names.Get("Spcae"), 0);
  EXPECT_EQ(names.Size(), 153u);
}

// Catches a wrong code in either table: a key the devices report that no name reaches.
TEST(KeyNamesTest, NamesEveryKeyTheDevicesReportButThreeTheGameNeverNamed) {
  KeyNames names;
  std::set<int32_t> named;
  for (const char* name :
       {"Escape", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "Minus", "Backspace", "Tab",
        "Q", "W", "E", "R", "T", "Y", "U", "I", "O", "P", "LBracket", "RBracket", "Enter",
        "LControl", "A", "S", "D", "F", "G", "H", "J", "K", "L", "SemiColon", "Apostrophe",
        "Grave", "LShift", "Backslash", "Z", "X", "C", "V", "B", "N", "M", "Comma", "Period",
        "Slash", "RShift", "NumpadMultiply", "LAlt", "Space", "CapsLock", "F1", "F2", "F3",
        "F4", "F5", "F6", "F7", "F8", "F9", "F10", "NumLock", "ScrollLock", "Numpad7",
        "Numpad8", "Numpad9", "NumpadMinus", "Numpad4", "Numpad5", "Numpad6", "NumpadPlus",
        "Numpad1", "Numpad2", "Numpad3", "Numpad0", "NumpadPeriod", "OEM_102", "F11", "F12",
        "F13", "F14", "F15", "Kana", "ABNT_C1", "Convert", "NoConvert", "Yen", "ABNT_C2",
        "PrevTrack", "Stop", "NextTrack", "NumpadEnter", "RControl", "Mute", "Calculator",
        "PlayPause", "VolumeDown", "VolumeUp", "WebHome", "NumpadSlash", "SysRQ", "RAlt",
        "Pause", "Home", "Up", "PageUp", "Left", "Right", "End", "Down", "PageDown", "Insert",
        "Delete", "NumpadEquals", "LWin", "RWin", "Apps", "Power", "Sleep", "WebSearch", "WebRefresh",
        "WebStop", "WebForward", "WebBack", "MyComputer", "Mail", "MediaSelect"})
    named.insert(names.Get(name));
  EXPECT_EQ(names.Size(), 150u) << "every name above is in the table";
  // The numeric-pad equals, media stop and web favourites keys have codes but no names.
  const std::set<int32_t> unnamed = {0x8D, 0xA4, 0xE6};
  for (int scancode = 0; scancode < 512; ++scancode) {
    const auto code = static_cast<int32_t>(platform::KeyCodeFromScancode(scancode));
    if (code == 0 || unnamed.count(code)) continue;
    EXPECT_TRUE(named.count(code)) << "scancode " << scancode << " gives unnamed code " << code;
  }
}

}  // namespace
