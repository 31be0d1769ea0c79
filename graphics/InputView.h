#pragma once
#include <cstdint>

// The user's input as the graphics see it: the mouse's movement moves the GUI cursor, and any
// key or button pressed leads on from the intro screen. The input system implements it and the
// program hands it in; until then the cursor stands still and the intro waits for its film.
class InputView {
 public:
  virtual ~InputView() = default;
  // The mouse's relative movement this frame, in pixels.
  virtual int32_t GetMouseDeltaX() const = 0;
  virtual int32_t GetMouseDeltaY() const = 0;
  // A key or button went down this frame.
  virtual bool AnyKey() const = 0;
};
