#include "platform/input/KeyToChar.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

constexpr uint32_t kA = 0x1E, kZ = 0x2C, k1 = 0x02, k2 = 0x03, kMinus = 0x0C, kBackspace = 0x0E,
                   kEnter = 0x1C, kEscape = 0x01, kSpace = 0x39, kLBracket = 0x1A;

constexpr KeyModifiers kShift{.shift = true};
constexpr KeyModifiers kCaps{.capsLock = true};
constexpr KeyModifiers kControl{.control = true};

TEST(KeyToCharTest, LettersFollowShiftAndCapsLock) {
  EXPECT_EQ(KeyToChar(kA, {}), 'a');
  EXPECT_EQ(KeyToChar(kA, kShift), 'A');
  EXPECT_EQ(KeyToChar(kZ, kCaps), 'Z');
  EXPECT_EQ(KeyToChar(kZ, {.shift = true, .capsLock = true}), 'z');
  EXPECT_EQ(KeyToChar(kA, {.alt = true}), 'a');
}

TEST(KeyToCharTest, DigitsAndPunctuationFollowShiftOnly) {
  EXPECT_EQ(KeyToChar(k1, {}), '1');
  EXPECT_EQ(KeyToChar(k1, kShift), '!');
  EXPECT_EQ(KeyToChar(k2, kShift), '@');
  EXPECT_EQ(KeyToChar(k1, kCaps), '1');
  EXPECT_EQ(KeyToChar(kMinus, kShift), '_');
  EXPECT_EQ(KeyToChar(0x29, kShift), '~');
  EXPECT_EQ(KeyToChar(0x28, kShift), '"');
  EXPECT_EQ(KeyToChar(0x56, {}), '\\');
}

TEST(KeyToCharTest, EditingKeysGiveTheirControlCharacters) {
  EXPECT_EQ(KeyToChar(kBackspace, {}), 8);
  EXPECT_EQ(KeyToChar(kEnter, {}), 13);
  EXPECT_EQ(KeyToChar(kEnter, kShift), 13);
  EXPECT_EQ(KeyToChar(kEscape, {}), 27);
  EXPECT_EQ(KeyToChar(0x0F, {}), '\t');
  EXPECT_EQ(KeyToChar(kSpace, kShift), ' ');
}

TEST(KeyToCharTest, ControlMakesControlCharactersAndWithAltNothing) {
  EXPECT_EQ(KeyToChar(kA, kControl), 1);
  EXPECT_EQ(KeyToChar(kZ, {.shift = true, .control = true}), 26);
  EXPECT_EQ(KeyToChar(kLBracket, kControl), 0x1B);
  EXPECT_EQ(KeyToChar(kBackspace, kControl), 0x7F);
  EXPECT_EQ(KeyToChar(kEnter, kControl), 10);
  EXPECT_EQ(KeyToChar(0x07, {.shift = true, .control = true}), 0x1E);
  EXPECT_EQ(KeyToChar(k1, kControl), 0);
  EXPECT_EQ(KeyToChar(kA, {.control = true, .alt = true}), 0);
}

TEST(KeyToCharTest, NumericPadGivesOperatorsButNotDigitsAndExtendedKeysGiveNothing) {
  EXPECT_EQ(KeyToChar(0x37, {}), '*');
  EXPECT_EQ(KeyToChar(0x4A, {}), '-');
  EXPECT_EQ(KeyToChar(0x4E, {}), '+');
  EXPECT_EQ(KeyToChar(0x4F, {}), 0);     // numeric-pad 1
  EXPECT_EQ(KeyToChar(0x53, {}), 0);     // numeric-pad period
  EXPECT_EQ(KeyToChar(0x9C, {}), 0);     // numeric-pad Enter
  EXPECT_EQ(KeyToChar(0xB5, {}), 0);     // numeric-pad slash
  EXPECT_EQ(KeyToChar(0xC8, {}), 0);     // up arrow
  EXPECT_EQ(KeyToChar(0x2A, kShift), 0); // shift itself
  EXPECT_EQ(KeyToChar(0x3B, {}), 0);     // F1
  EXPECT_EQ(KeyToChar(1000, {}), 0);
}

TEST(KeyToCharTest, ModifiersComeFromEitherHeldKeyAndTheCapsLockToggle) {
  KeyState state{};
  EXPECT_FALSE(ModifiersFrom(state).shift);
  state[0x36] = 0x80;  // right shift
  state[0x9D] = 0x80;  // right control
  state[0xB8] = 0x80;  // right alt
  state[kCapsLockCode] = 0x01;
  const KeyModifiers modifiers = ModifiersFrom(state);
  EXPECT_TRUE(modifiers.shift);
  EXPECT_TRUE(modifiers.control);
  EXPECT_TRUE(modifiers.alt);
  EXPECT_TRUE(modifiers.capsLock);
  state[kCapsLockCode] = 0x80;  // held but toggled off
  EXPECT_FALSE(ModifiersFrom(state).capsLock);
}

}  // namespace
}  // namespace platform
