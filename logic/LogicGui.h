#pragma once
#include <cstdint>
#include <string>

class GUIScreen;
class GUISpriteElement;

// What the game flow asks of the GUI screens, by the names the screen files give them. Every
// lookup finds nothing (null, false) while the graphics system has no GUI, and a step whose
// sprite or screen is missing is skipped.
namespace LogicGui {

GUISpriteElement* FindSprite(const std::string& name);
GUIScreen* FindScreen(const std::string& name);
GUIScreen* CurrentScreen();
// Whether the current screen is the one registered under `name`.
bool IsCurrentScreen(const std::string& name);
bool IsSliding();
// At once (time 0) or sliding in over `time` seconds.
void ChangeScreen(const std::string& name, float time);
// The frame animation rate of a named sprite (0: still).
void SetSpriteRate(const std::string& name, int32_t framesPerSecond);
// The game flow hides a sprite by moving it out of the layout.
void HideSprite(const std::string& name);
void HideSprite(GUISpriteElement& sprite);

}  // namespace LogicGui
