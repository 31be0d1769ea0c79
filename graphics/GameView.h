#pragma once
#include <cstdint>
#include <string>

class Entity;

// The game as the graphics see it beyond themselves. The game logic implements it and the
// program hands it in; until then the graphics draw as if no game were behind the screens.
class GameView {
 public:
  virtual ~GameView() = default;
  // The index of the current map, -1 for none.
  virtual int32_t GetCurrentMapIndex() const = 0;
  // While a map's camera fly-through plays the screens and the HUD stay hidden and the models
  // stand still.
  virtual bool IsFlyThroughRunning() const = 0;
  // Hands a screen's command (its per-frame handler, the intro's way on) to the game flow.
  virtual void SendCommand(const std::string& name) = 0;
  // Whether an AI drives the entity (a thief or a guard): its model is cel-shaded, and shows
  // the taser's effect while it is frozen.
  virtual bool IsAgent(Entity& entity) const = 0;
};
