#include "logic/LogicGui.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"

namespace {
GUI* Gui() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  return graphics ? graphics->GetGUI() : nullptr;
}
}  // namespace

namespace LogicGui {

GUISpriteElement* FindSprite(const std::string& name) {
  GUI* gui = Gui();
  return gui ? gui->GetSpriteElements().Get(name) : nullptr;
}

GUIScreen* FindScreen(const std::string& name) {
  GUI* gui = Gui();
  return gui ? gui->GetScreens().Get(name) : nullptr;
}

GUIScreen* CurrentScreen() {
  GUI* gui = Gui();
  return gui ? gui->currentScreen : nullptr;
}

bool IsCurrentScreen(const std::string& name) {
  GUIScreen* current = CurrentScreen();
  return current && current == FindScreen(name);
}

bool IsSliding() {
  GUI* gui = Gui();
  return gui && gui->screenSliding;
}

void ChangeScreen(const std::string& name, float time) {
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->ChangeGUIScreen(name, time);
}

void SetSpriteRate(const std::string& name, int32_t framesPerSecond) {
  if (GUISpriteElement* sprite = FindSprite(name)) sprite->FPS = framesPerSecond;
}

void HideSprite(const std::string& name) {
  if (GUISpriteElement* sprite = FindSprite(name)) HideSprite(*sprite);
}

void HideSprite(GUISpriteElement& sprite) { sprite.SetPosition(-1024, -1024); }

}  // namespace LogicGui
