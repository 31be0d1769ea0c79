#include "logic/LogicCmds.h"

#include "engine/Log.h"
#include "engine/MainWindow.h"
#include "logic/Logic.h"
#include "logic/MenuFlow.h"
#include "logic/GameFlow.h"
#include "logic/Tally.h"
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
  c.Message("map", &LogicCmds::Map);
  c.Message("StartGame", &LogicCmds::StartGame);
  c.Message("UnfreezeEntity", &LogicCmds::UnfreezeEntity);
  c.Message("Busted", &LogicCmds::Game<&GameFlow::Busted>);
  c.Message("HideBusted", &LogicCmds::Game<&GameFlow::HideBusted>);
  c.Message("EndGame", &LogicCmds::Round<&Tally::EndGame>);
  c.Message("GetItem", &LogicCmds::Game<&GameFlow::GetItem>);
  c.Message("HideItem", &LogicCmds::Game<&GameFlow::HideItem>);
  c.Message("DropOffItem", &LogicCmds::Game<&GameFlow::DropOffItem>);
  c.Message("Alarm", &LogicCmds::Game<&GameFlow::Alarm>);
  c.Message("AlarmOff", &LogicCmds::Game<&GameFlow::AlarmOff>);
  c.Message("EndRoundHandler", &LogicCmds::Round<&Tally::EndRoundHandler>);
  c.Message("NextItem", &LogicCmds::Round<&Tally::NextItem>);
  c.Message("ShowWinner", &LogicCmds::Round<&Tally::ShowWinner>);
  c.Message("OptionsHandler", &LogicCmds::Menu<&MenuFlow::OptionsHandler>);
  c.Message("ChangeDifficulty1", &LogicCmds::ChangeDifficulty<1>);
  c.Message("ChangeDifficulty2", &LogicCmds::ChangeDifficulty<2>);
  c.Message("ChangeDifficulty3", &LogicCmds::ChangeDifficulty<3>);
  c.Message("ChangeTime1", &LogicCmds::ChangeTime<1>);
  c.Message("ChangeTime2", &LogicCmds::ChangeTime<2>);
  c.Message("ChangeTime3", &LogicCmds::ChangeTime<3>);
  c.Message("ChangeTime4", &LogicCmds::ChangeTime<4>);
  c.Message("EndSession", &LogicCmds::Game<&GameFlow::EndSession>);
  c.Message("ExitFromGame", &LogicCmds::Game<&GameFlow::ExitFromGame>);
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

template <void (GameFlow::*Step)()>
void LogicCmds::Game() {
  Logic* logic = Engine::Get()->GetLogic();
  if (logic && logic->IsLiveCommandEntity(*this)) (logic->GetGameFlow().*Step)();
}

template <void (Tally::*Step)()>
void LogicCmds::Round() {
  Logic* logic = Engine::Get()->GetLogic();
  if (logic && logic->IsLiveCommandEntity(*this)) (logic->GetTally().*Step)();
}

template <int32_t N>
void LogicCmds::ChangeDifficulty() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->GetMenus().ChangeDifficulty(N);
}

// The four round lengths: 5, 10, 15 and 20 minutes.
template <int32_t N>
void LogicCmds::ChangeTime() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->GetMenus().ChangeTime(5.0f * N);
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

void LogicCmds::Map(std::string listName) {
  Logic* logic = Engine::Get()->GetLogic();
  if (!logic) return;
  logic->SetMapListName(listName);
  logic->StartGame();
}

void LogicCmds::StartGame() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->RequestStart();
}

void LogicCmds::UnfreezeEntity(uint32_t id) {
  Logic* logic = Engine::Get()->GetLogic();
  if (logic && logic->IsLiveCommandEntity(*this)) logic->GetGameFlow().UnfreezeEntity(id);
}

void LogicCmds::QuitGame() { MainWindow::PostQuit(); }

void LogicCmds::EscapePressed() {
  if (Logic* logic = Engine::Get()->GetLogic()) logic->EscapePressed();
}
