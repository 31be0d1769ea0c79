#pragma once

class Entity;

// The game as the control schemes see it. The game logic implements it and hands it to Input;
// until then there is no thief to steer, Escape does nothing and no fly-through ends.
class ControlledGame {
 public:
  virtual ~ControlledGame() = default;
  // The thief under control, looked up afresh; null when there is none.
  virtual Entity* GetPlayerEntity() const = 0;
  // Escape in the menus and in play.
  virtual void EscapePressed() = 0;
  // Ends a map's camera fly-through when one is running.
  virtual void EndMapFlyThrough() = 0;
};
