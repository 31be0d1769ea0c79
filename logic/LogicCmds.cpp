#include "logic/LogicCmds.h"

#include "engine/Log.h"
#include "logic/Logic.h"
#include "map/BspMap.h"
#include "physics/Physics.h"

void LogicCmds::Describe(ClassBuilder<LogicCmds>& c) {
  c.Message("mapto3ds", &LogicCmds::MapTo3ds);
  c.Message("lockvis", &LogicCmds::LockVis);
  c.Message("purgephy", &LogicCmds::PurgePhy);
  c.Message("ClickStartGame", &LogicCmds::ClickStartGame);
  c.Message("ClickGo", &LogicCmds::ClickGo);
  c.Message("ClickQuitGame", &LogicCmds::ClickQuitGame);
  c.Message("QuitGame", &LogicCmds::QuitGame);
  c.Message("MainMenu", &LogicCmds::MainMenu);
  c.Message("ClickPlayerSelect", &LogicCmds::ClickPlayerSelect);
  c.Message("Load", &LogicCmds::Load);
  c.Message("PlayerSelect", &LogicCmds::PlayerSelect);
  c.Message("OutfitSelect", &LogicCmds::OutfitSelect);
  c.Message("OutfitSelectMale", &LogicCmds::OutfitSelectMale);
  c.Message("OutfitSelectFemale", &LogicCmds::OutfitSelectFemale);
  c.Message("Options", &LogicCmds::Options);
  c.Message("mapIndex", &LogicCmds::MapIndex);
  c.Message("OutfitToggle1", &LogicCmds::OutfitToggle<1>);
  c.Message("OutfitToggle2", &LogicCmds::OutfitToggle<2>);
  c.Message("OutfitToggle3", &LogicCmds::OutfitToggle<3>);
  c.Message("OutfitToggle4", &LogicCmds::OutfitToggle<4>);
  c.Message("ArrowMoveHandler", &LogicCmds::ArrowMoveHandler);
  c.Message("CreditsHandler", &LogicCmds::CreditsHandler);
  c.Message("EscapePressed", &LogicCmds::EscapePressed);
  c.Message("ShowCredits", &LogicCmds::ShowCredits);
}

void LogicCmds::OnCreate() {
  Engine* engine = Engine::Get();
  engine->Subscribe(this, "GUICmd");
  engine->Subscribe(this, "AlarmCmd");
}

void LogicCmds::MapTo3ds(std::string fileName) {
  if (BspMap* map = Engine::Get()->GetCurrentMap()) map->Export3ds(fileName);
}

void LogicCmds::LockVis(bool locked) {
  if (BspMap* map = Engine::Get()->GetCurrentMap()) map->SetLockVis(locked);
}

void LogicCmds::PurgePhy() {
  if (Physics* physics = Engine::Get()->GetPhysics()) physics->DeleteTestBodies();
}

// A typed index may name no loaded map; it is refused here rather than reaching the maps.
void LogicCmds::MapIndex(int index) {
  Logic* logic = Engine::Get()->GetLogic();
  if (logic && !logic->SetCurrentMap(index))
    Engine::Get()->GetLog()->Write("LogicLog", "No loaded map has the index " + std::to_string(index), 2);
}
