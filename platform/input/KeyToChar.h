#pragma once
#include <cstdint>

#include "platform/input/InputDevice.h"

namespace platform {

struct KeyModifiers {
  bool shift = false;
  bool control = false;
  bool alt = false;
  bool capsLock = false;
};

// The modifiers a keyboard's held keys make (either shift, control or alt key; caps lock on).
KeyModifiers ModifiersFrom(const KeyState& keyboard);

// The character a key gives on a US keyboard with these modifiers, or 0 when it gives none.
// Backspace is 8, Enter 13, Escape 27; control with a letter gives the control character
// (Ctrl+A = 1); alt alone changes nothing, control with alt gives nothing. Keys are translated
// the way the game always did, by the key's position before the numeric-lock state applies,
// so the numeric-pad digits and period (navigation keys then) and every extended key (codes
// from 0x80: the numeric-pad Enter and slash, the arrows) give no character.
char KeyToChar(uint32_t code, KeyModifiers modifiers);

}  // namespace platform
