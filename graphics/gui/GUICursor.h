#pragma once
#include "graphics/gui/GUIElement.h"
#include "graphics/gui/GUISpriteElement.h"

class InputView;

// The mouse cursor of the GUI: a sprite whose top-left pixel is the hot spot, moved by the
// mouse's relative movement and kept inside the main window. Its position is the point every
// GUI hit test uses.
class GUICursor {
 public:
  GUICursor();
  // Moves by this frame's mouse movement, clamped to a window of the given size.
  void Move(int32_t dx, int32_t dy, int width, int height);
  // Move with the input's movement and the main window's size.
  void Update(const InputView& input);
  void Draw() { sprite.Draw(); }

  GUIPoint position{512, 100};
  GUISpriteElement sprite;
};
