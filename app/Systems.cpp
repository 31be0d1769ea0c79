#include "app/Systems.h"

#include "ai/AI.h"
#include "app/GameClasses.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "player/LogicServices.h"
#include "player/PlayerUserControl.h"
#include "sound/Sound.h"

SystemFactories GameSystems() {
  return SystemFactories{
      [] { return new AI(*Engine::Instance()); },
      [] { return new Sound(); },
      [] { return new Graphics(); },
      [] { return new Input(); },
      [] { return new Physics(); },
      [] { return new Logic(*Engine::Instance(), RegisterGameClasses); },
  };
}

void ConnectGameSystems(Engine& engine) {
  // The thieves answer the physics' noclip question; they hold no state of their own for it.
  static const PlayerUserControl userControl;
  Logic* logic = engine.GetLogic();
  LogicServices::Set(logic);
  if (Input* input = engine.GetInput()) {
    input->SetControlledGame(logic);
    input->SetDevAI(engine.GetAI());
  }
  if (Physics* physics = engine.GetPhysics()) physics->SetUserControl(&userControl);
  if (AI* ai = engine.GetAI(); ai && logic) ai->GetRoster().SetWorld(&logic->GetAgentWorld());
  if (Graphics* graphics = engine.GetGraphics()) {
    graphics->SetGameView(logic);
    graphics->SetHudGame(logic);
    graphics->SetInputView(engine.GetInput());
  }
  if (Sound* sound = engine.GetSound()) sound->SetGameView(logic);
}
