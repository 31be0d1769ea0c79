#pragma once

class Entity;

// The game as the sound sees it beyond itself: whose ears the listener follows. The game logic
// implements it and the program hands it in; until then the listener stays where it is.
class SoundGameView {
 public:
  virtual ~SoundGameView() = default;
  // The thief under control, or null.
  virtual Entity* GetPlayerEntity() const = 0;
};
