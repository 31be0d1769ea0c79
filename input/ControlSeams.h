#pragma once
#include <cstdint>
#include <string>

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
  virtual bool IsFlyThroughRunning() const = 0;

  // What the developer keys reach. The map index is -1 outside a game.
  virtual int32_t GetCurrentMapIndex() const = 0;
  // The name under which the current map's camera path is kept, the one its fly-through plays;
  // empty when no map is current.
  virtual std::string GetCameraPathName() = 0;
  // Switches between the camera-path editor and play.
  virtual void ToggleInterpEdit() = 0;
  // Leaves whatever runs for the main menu, the clock running and the in-game menu closed.
  virtual void ReturnToMainMenu() = 0;
  // Hides the thief under control under its box or lets it out; not when it has no box left.
  virtual void ToggleBox() = 0;
};
