#include "logic/LogicCmds.h"

#include "engine/Log.h"
#include "engine/MainWindow.h"
#include "logic/Logic.h"
#include "logic/MenuFlow.h"
#include "map/BspMap.h"
#include "physics/Physics.h"

void LogicCmds::Describe(ClassBuilder<LogicCmds>& c) {
  c.Message("mapto3ds", &LogicCmds::MapTo3ds);
  c.Message("lockvis", &LogicCmds::LockVis);
  c.Message("purgephy", &LogicCmds::PurgePhy);
  c.Message("ClickStartGame", &LogicCmds::Menu<&MenuFlow::ClickStartGame>);
  c.Message("ClickGo", &LogicCmds::Menu<&MenuFlow::ClickGo>);
  c.Message("ClickQuitGame", &LogicCmds::Menu<&MenuFlow::ClickQuitGame>);
  c.Message("QuitGame", &LogicCmds::QuitGame);
  c.Message("MainMenu", &LogicCmds::Menu<&MenuFlow::MainMenu>);
  c.Message("ClickPlayerSelect", &LogicCmds::Menu<&MenuFlow::ClickPlayerSelect>);
  c.Message("Load", &LogicCmds::Menu<&MenuFlow::Load>);
  c.Message("PlayerSelect", &LogicCmds::Menu<&MenuFlow::PlayerSelect>);
  c.Message("OutfitSelect", &LogicCmds::Menu<&MenuFlow::OutfitSelect>);
  c.Message("OutfitSelectMale", &LogicCmds::Menu<&MenuFlow::OutfitSelectMale>);
  c.Message("OutfitSelectFemale", &LogicCmds::Menu<&MenuFlow::OutfitSelectFemale>);
  c.Message("Options", &LogicCmds::Menu<&MenuFlow::Options>);
  c.Message("mapIndex", &LogicCmds::MapIndex);
  c.Message("OutfitToggle1", &LogicCmds::OutfitToggle<1>);
  c.Message("OutfitToggle2", &LogicCmds::OutfitToggle<2>);
  c.Message("OutfitToggle3", &LogicCmds::OutfitToggle<3>);
  c.Message("OutfitToggle4", &LogicCmds::OutfitToggle<4>);
  c.Message("ArrowMoveHandler", &LogicCmds::Menu<&MenuFlow::ArrowMoveHandler>);
  c.Message("CreditsHandler", &LogicCmds::Menu<&MenuFlow::CreditsHandler>);
  c.Message("EscapePressed", &LogicCmds::EscapePressed);
  c.Message("ShowCredits", &LogicCmds::Menu<&MenuFlow::ShowCredits>);
}

void LogicCmds::OnCreate() {
  Engine* engine = Engine::Get();
  engine->Subscribe(this, "GUICmd");
  engine->Subscribe(this, "AlarmCmd");
}

template <void (MenuFlow::*Step)()>
void LogicCmds::Menu() {
  if (Logic* logic = Engine::Get()->GetLogic()) (logic->GetMenus().*Step)();
}

template <int32_t N>
void LogicCmds::OutfitToggle() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->GetMenus().SelectOutfit(N - 1);
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

void LogicCmds::QuitGame() { MainWindow::PostQuit(); }

void LogicCmds::EscapePressed() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->EscapePressed();
}
