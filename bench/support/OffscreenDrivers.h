#pragma once
#include <cstdlib>

// Headless unless the caller chose otherwise: llvmpipe through the offscreen video driver, and
// OpenAL on its null driver.
inline void UseOffscreenDrivers() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
  setenv("ALSOFT_DRIVERS", "null", 0);
}
