#pragma once
#include <array>

#include "platform/sound/SoundTypes.h"

namespace platform::sound {

// The one place where the game's frame meets the sound library's. The game's frame is
// left-handed with z up; the library's is right-handed with y up. Swapping y and z does both:
// it stands z up as y and mirrors the frame. So a listener facing +x with z up has +y of the
// game on its right, as the game's cameras see it.
std::array<float, 3> ToLibraryFrame(const Vec3& v);

}  // namespace platform::sound
