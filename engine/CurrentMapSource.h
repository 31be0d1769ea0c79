#pragma once

class BspMap;

// Who holds the current map: the game logic, which enters itself in the engine's slots. The
// engine answers GetCurrentMap through it without knowing the game.
class CurrentMapSource {
 public:
  virtual ~CurrentMapSource() = default;
  // The current map: the empty default map while none is current.
  virtual BspMap* CurrentMap() = 0;
};
