#pragma once
#include <string>

#include "engine/EngineSystem.h"
#include "entity/EntityManager.h"

class Entity;

// The game logic. For now it holds what the control schemes rely on: the schemes themselves,
// which of them has the input focus, the thief under control and the fly-through state.
class Logic : public EngineSystem {
 public:
  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Logic"; }

  // The scheme that SetControls activates: "Null", "Game" or "InterpEdit". Callers store a
  // name, then call SetControls.
  const std::string& GetControlsName() const { return controlsName_; }
  void SetControlsName(const std::string& name) { controlsName_ = name; }
  // Gives the focus to the scheme named by the controls name; the event being dispatched
  // reaches no further scheme.
  void SetControls();
  // The "Console" action: opens the console with the focus on its input, or closes it and
  // gives the focus back to the current scheme.
  void ToggleConsole();

  // The thief under control, looked up afresh; null when there is none.
  Entity* GetPlayerEntity() const { return activePlayer_.Get(); }
  // Tells the previous thief it is no longer controlled and the new one that it is.
  void SetPlayerEntity(Entity* player);

  // While a map's camera fly-through plays the round timer stands still and no thief is
  // steered. Starting one belongs to the game start.
  bool IsFlyThroughRunning() const { return flyThroughRunning_ != 0; }
  void SetFlyThroughRunning(bool running) { flyThroughRunning_ = running ? 1 : 0; }
  // Ends a running fly-through: the thief gets its camera back and the game controls the focus.
  void EndMapFlyThrough();
  // Escape in the menus or in game.
  void EscapePressed();

 private:
  EntityHandle activePlayer_;
  std::string controlsName_;
  uint8_t flyThroughRunning_ = 0;
};
