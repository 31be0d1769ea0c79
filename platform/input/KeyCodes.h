#pragma once
#include <cstdint>

namespace platform {

// The game's key code for an SDL scancode, or 0 for a key the game has no code for.
uint32_t KeyCodeFromScancode(int scancode);

}  // namespace platform
