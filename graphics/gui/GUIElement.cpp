#include "graphics/gui/GUIElement.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUIScreen.h"
#include "sound/Sound.h"

bool GUIElement::Contains(const GUIPoint& p) const {
  // The right and bottom edges count as inside.
  return !(p.x < Rect.topLeft.x || Rect.topLeft.x + Rect.width < p.x || p.y < Rect.topLeft.y ||
           Rect.topLeft.y + Rect.height < p.y);
}

void GUIElement::HandleMouse(bool click) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (!graphics) return;
  GUIScreen* current = graphics->GetCurrentScreen();
  if (!Contains(graphics->GetCursorPosition())) {
    if (!hovered) return;
    hovered = 0;
    if (current && current->hoveredElement == this) current->hoveredElement = nullptr;
    return;
  }
  const bool clickable = !onMouseUp.empty();
  if (!hovered) {
    hovered = 1;
    if (clickable) {
      Send(onMouseEnter, "hover");
      if (current) current->hoveredElement = this;
    }
  }
  if (click && clickable) Send(onMouseUp, "click");
}

void GUIElement::Send(const std::string& command, const char* sound) {
  if (Sound* soundSystem = Engine::Get()->GetSound()) soundSystem->Play2D(sound);
  MessageArgs args = MessageArgs::FromPointer(this);
  Engine::Get()->BroadcastWithArgs(command, "GUICmd", &args);
}
