#pragma once
#include <string>

#include "tools/guigen/Lettering.h"
#include "tools/texgen/Image.h"

namespace guigen {

// The pictures that carry words, set with `lettering`. Each picture's size is the one its
// screen places it by: centred on the column, the prompt or the screen that shows it.

// "Busted!" in a burst that pulses: 4 frames of 272 x 204, two to a row (544 x 408).
texgen::Painter Busted(const Lettering& lettering);
// "Time's up!" under a ringing alarm clock: 8 frames of 312 x 204, four to a row (1248 x 408).
texgen::Painter TimesUp(const Lettering& lettering);

// The tally's places: a computer thief's badge (128 x 80), the user's (256 x 128) and the
// user's win, a banner over the column (512 x 128).
texgen::Painter ComputerPlace(const Lettering& lettering, int place);
texgen::Painter UserPlace(const Lettering& lettering, int place);
texgen::Painter UserWin(const Lettering& lettering);
// "You" over an arrow pointing down at the user's thief, centred in its column (256 x 104).
texgen::Painter YouArrow(const Lettering& lettering);

// The HUD's prompts: at a teleporter (512 x 64) and with an exhibit in hand (384 x 64).
texgen::Painter DoorPrompt(const Lettering& lettering);
texgen::Painter CarryPrompt(const Lettering& lettering);

// The signs over drop-offs and teleporters (256 x 64); a teleporter's plate colour and word
// name the room it leads to.
texgen::Painter DropoffSign(const Lettering& lettering);
texgen::Painter TeleportSign(const Lettering& lettering, const std::string& room, float r, float g, float b);

}  // namespace guigen
