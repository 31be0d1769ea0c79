#include "app/Systems.h"

#include "ai/AI.h"
#include "app/GameClasses.h"
#include "graphics/Graphics.h"
#include "input/Input.h"
#include "logic/Logic.h"
#include "physics/Physics.h"
#include "player/LogicServices.h"
#include "sound/Sound.h"

SystemFactories GameSystems() {
  return SystemFactories{
      [] { return new AI(); },      [] { return new Sound(); },   [] { return new Graphics(); },
      [] { return new Input(); },   [] { return new Physics(); }, [] { return new Logic(RegisterGameClasses); },
  };
}

void ConnectGameSystems(Engine& engine) {
  Logic* logic = engine.GetLogic();
  LogicServices::Set(logic);
  if (Graphics* graphics = engine.GetGraphics()) {
    graphics->SetGameView(logic);
    graphics->SetHudGame(logic);
  }
  if (Sound* sound = engine.GetSound()) sound->SetGameView(logic);
}
