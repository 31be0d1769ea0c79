#include "platform/input/KeyToChar.h"

#include <array>

namespace platform {
namespace {

constexpr uint32_t kLShift = 0x2A, kRShift = 0x36, kLControl = 0x1D, kRControl = 0x9D,
                   kLAlt = 0x38, kRAlt = 0xB8;

// What a key gives alone, with shift, with control, with control and shift (0: nothing).
// Letters follow caps lock and give their control character with control, shifted or not.
struct KeyChars {
  uint8_t code;
  char plain, shifted, control, controlShifted;
};

constexpr KeyChars kUsLayout[] = {
    {0x01, 27, 27, 27, 0},        {0x02, '1', '!', 0, 0},     {0x03, '2', '@', 0, 0},
    {0x04, '3', '#', 0, 0},       {0x05, '4', '$', 0, 0},     {0x06, '5', '%', 0, 0},
    {0x07, '6', '^', 0, 0x1E},    {0x08, '7', '&', 0, 0},     {0x09, '8', '*', 0, 0},
    {0x0A, '9', '(', 0, 0},       {0x0B, '0', ')', 0, 0},     {0x0C, '-', '_', 0, 0x1F},
    {0x0D, '=', '+', 0, 0},       {0x0E, 8, 8, 0x7F, 0},      {0x0F, '\t', '\t', 0, 0},
    {0x1A, '[', '{', 0x1B, 0},    {0x1B, ']', '}', 0x1D, 0},  {0x1C, 13, 13, 10, 0},
    {0x27, ';', ':', 0, 0},       {0x28, '\'', '"', 0, 0},    {0x29, '`', '~', 0, 0},
    {0x2B, '\\', '|', 0x1C, 0},   {0x33, ',', '<', 0, 0},     {0x34, '.', '>', 0, 0},
    {0x35, '/', '?', 0, 0},       {0x37, '*', '*', 0, 0},     {0x39, ' ', ' ', ' ', 0},
    {0x4A, '-', '-', 0, 0},       {0x4E, '+', '+', 0, 0},     {0x56, '\\', '|', 0x1C, 0},
};

// Letters by code, in keyboard rows.
constexpr uint8_t kLetterRows[][10] = {
    {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19},  // q w e r t y u i o p
    {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0},     // a s d f g h j k l
    {0x2C, 0x2D, 0x2E, 0x2F, 0x30, 0x31, 0x32, 0, 0, 0},           // z x c v b n m
};
constexpr const char* kLetterText[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

struct Layout {
  std::array<KeyChars, 128> keys{};
  std::array<bool, 128> letter{};
};

constexpr Layout BuildLayout() {
  Layout layout;
  for (const KeyChars& key : kUsLayout) layout.keys[key.code] = key;
  for (int row = 0; row < 3; ++row) {
    for (int i = 0; kLetterText[row][i] != 0; ++i) {
      const uint8_t code = kLetterRows[row][i];
      const char lower = kLetterText[row][i];
      const char upper = static_cast<char>(lower - 'a' + 'A');
      const char control = static_cast<char>(lower - 'a' + 1);
      layout.keys[code] = {code, lower, upper, control, control};
      layout.letter[code] = true;
    }
  }
  return layout;
}

constexpr Layout kLayout = BuildLayout();

bool Held(const KeyState& keys, uint32_t code) { return (keys[code] & kPressed) != 0; }

}  // namespace

KeyModifiers ModifiersFrom(const KeyState& keyboard) {
  KeyModifiers modifiers;
  modifiers.shift = Held(keyboard, kLShift) || Held(keyboard, kRShift);
  modifiers.control = Held(keyboard, kLControl) || Held(keyboard, kRControl);
  modifiers.alt = Held(keyboard, kLAlt) || Held(keyboard, kRAlt);
  modifiers.capsLock = (keyboard[kCapsLockCode] & 0x01) != 0;
  return modifiers;
}

char KeyToChar(uint32_t code, KeyModifiers modifiers) {
  if (code >= kLayout.keys.size()) return 0;
  if (modifiers.control && modifiers.alt) return 0;
  const KeyChars& key = kLayout.keys[code];
  if (modifiers.control) return modifiers.shift ? key.controlShifted : key.control;
  const bool upper = kLayout.letter[code] ? modifiers.shift != modifiers.capsLock : modifiers.shift;
  return upper ? key.shifted : key.plain;
}

}  // namespace platform
