#pragma once
#include <deque>
#include <string>

#include "graphics/gui/GUIElement.h"
#include "graphics/gui/GUIModelElement.h"
#include "graphics/gui/GUISpriteElement.h"
#include "graphics/gui/GUITextElement.h"

// One GUI screen: flat lists of sprites, texts and models read from its screen file. Elements
// stay where they were put (the sprite-element manager and hoveredElement point at them), so
// the lists only ever grow at their end.
class GUIScreen {
 public:
  // Models, then sprites, then texts.
  void Init();
  // Mouse test on every element, sprite animation, then sprites and texts at the screen's
  // offset, then the models (with the depth test on when `modelsWithDepth`). Expects the
  // sprite batch open and leaves it open.
  void Draw(bool modelsWithDepth);
  // Per-frame work of the screen itself: none.
  void Update() {}
  // A click on every sprite, then every text, then every model.
  void Click();
  // Forgets which elements the cursor was over (texts keep theirs).
  void ClearHover();

  GUIPoint offset;
  GUIElement* hoveredElement = nullptr;
  std::deque<GUISpriteElement> sprites;
  std::deque<GUIModelElement> models;
  std::deque<GUITextElement> texts;
  // Sent each frame to the game logic's command entity while the screen is current.
  std::string Proc;
};
