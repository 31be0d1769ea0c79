#include "logic/LogicCmds.h"

#include "engine/Log.h"
#include "engine/MainWindow.h"
#include "graphics/GraphicsMessages.h"
#include "input/InputMessages.h"
#include "logic/Logic.h"
#include "logic/LogicMessages.h"
#include "logic/MenuFlow.h"
#include "logic/GameFlow.h"
#include "logic/Tally.h"
#include "map/BspMap.h"
#include "physics/Physics.h"

void LogicCmds::Describe(ClassBuilder<LogicCmds>& c) {
  c.Message(kMapTo3ds, &LogicCmds::MapTo3ds);
  c.Message(kLockVis, &LogicCmds::LockVis);
  c.Message(kPurgePhy, &LogicCmds::PurgePhy);
  c.Message(kClickStartGame, &LogicCmds::Menu<&MenuFlow::ClickStartGame>);
  c.Message(kClickGo, &LogicCmds::Menu<&MenuFlow::ClickGo>);
  c.Message(kClickQuitGame, &LogicCmds::Menu<&MenuFlow::ClickQuitGame>);
  c.Message(kQuitGame, &LogicCmds::QuitGame);
  c.Message(kMainMenu, &LogicCmds::Menu<&MenuFlow::MainMenu>);
  c.Message(kClickPlayerSelect, &LogicCmds::Menu<&MenuFlow::ClickPlayerSelect>);
  c.Message(kLoad, &LogicCmds::Menu<&MenuFlow::Load>);
  c.Message(kPlayerSelect, &LogicCmds::Menu<&MenuFlow::PlayerSelect>);
  c.Message(kOutfitSelect, &LogicCmds::Menu<&MenuFlow::OutfitSelect>);
  c.Message(kOutfitSelectMale, &LogicCmds::Menu<&MenuFlow::OutfitSelectMale>);
  c.Message(kOutfitSelectFemale, &LogicCmds::Menu<&MenuFlow::OutfitSelectFemale>);
  c.Message(kOptions, &LogicCmds::Menu<&MenuFlow::Options>);
  c.Message(kMapIndex, &LogicCmds::MapIndex);
  c.Message(kOutfitToggle1, &LogicCmds::OutfitToggle<1>);
  c.Message(kOutfitToggle2, &LogicCmds::OutfitToggle<2>);
  c.Message(kOutfitToggle3, &LogicCmds::OutfitToggle<3>);
  c.Message(kOutfitToggle4, &LogicCmds::OutfitToggle<4>);
  c.Message(kArrowMoveHandler, &LogicCmds::Menu<&MenuFlow::ArrowMoveHandler>);
  c.Message(kCreditsHandler, &LogicCmds::Menu<&MenuFlow::CreditsHandler>);
  c.Message(KeyAction::kEscapePressed, &LogicCmds::EscapePressed);
  c.Message(kShowCredits, &LogicCmds::Menu<&MenuFlow::ShowCredits>);
  c.Message(kMap, &LogicCmds::Map);
  c.Message(kStartGame, &LogicCmds::StartGame);
  c.Message(kUnfreezeEntity, &LogicCmds::UnfreezeEntity);
  c.Message(kBusted, &LogicCmds::Game<&GameFlow::Busted>);
  c.Message(kHideBusted, &LogicCmds::Game<&GameFlow::HideBusted>);
  c.Message(kEndGame, &LogicCmds::Round<&Tally::EndGame>);
  c.Message(kGetItem, &LogicCmds::Game<&GameFlow::GetItem>);
  c.Message(kHideItem, &LogicCmds::Game<&GameFlow::HideItem>);
  c.Message(kDropOffItem, &LogicCmds::Game<&GameFlow::DropOffItem>);
  c.Message(kAlarm, &LogicCmds::Game<&GameFlow::Alarm>);
  c.Message(kAlarmOff, &LogicCmds::Game<&GameFlow::AlarmOff>);
  c.Message(kEndRoundHandler, &LogicCmds::Round<&Tally::EndRoundHandler>);
  c.Message(kNextItem, &LogicCmds::Round<&Tally::NextItem>);
  c.Message(kShowWinner, &LogicCmds::Round<&Tally::ShowWinner>);
  c.Message(kOptionsHandler, &LogicCmds::Menu<&MenuFlow::OptionsHandler>);
  c.Message(kChangeDifficulty1, &LogicCmds::ChangeDifficulty<1>);
  c.Message(kChangeDifficulty2, &LogicCmds::ChangeDifficulty<2>);
  c.Message(kChangeDifficulty3, &LogicCmds::ChangeDifficulty<3>);
  c.Message(kChangeTime1, &LogicCmds::ChangeTime<1>);
  c.Message(kChangeTime2, &LogicCmds::ChangeTime<2>);
  c.Message(kChangeTime3, &LogicCmds::ChangeTime<3>);
  c.Message(kChangeTime4, &LogicCmds::ChangeTime<4>);
  c.Message(kEndSession, &LogicCmds::Game<&GameFlow::EndSession>);
  c.Message(kExitFromGame, &LogicCmds::Game<&GameFlow::ExitFromGame>);
}

void LogicCmds::OnCreate() {
  engine_.Subscribe(this, "GUICmd");
  engine_.Subscribe(this, kAlarmChannel);
}

template <void (MenuFlow::*Step)()>
void LogicCmds::Menu() {
  (logic_.GetMenus().*Step)();
}

template <void (GameFlow::*Step)()>
void LogicCmds::Game() {
  if (logic_.IsLiveCommandEntity(*this)) (logic_.GetGameFlow().*Step)();
}

template <void (Tally::*Step)()>
void LogicCmds::Round() {
  if (logic_.IsLiveCommandEntity(*this)) (logic_.GetTally().*Step)();
}

template <int32_t N>
void LogicCmds::ChangeDifficulty() {
  logic_.GetMenus().ChangeDifficulty(N);
}

// The four round lengths: 5, 10, 15 and 20 minutes.
template <int32_t N>
void LogicCmds::ChangeTime() {
  logic_.GetMenus().ChangeTime(5.0f * N);
}

template <int32_t N>
void LogicCmds::OutfitToggle() {
  logic_.GetMenus().SelectOutfit(N - 1);
}

void LogicCmds::MapTo3ds(std::string fileName) {
  logic_.GetCurrentMap().Export3ds(fileName);
}

void LogicCmds::LockVis(bool locked) {
  logic_.GetCurrentMap().SetLockVis(locked);
}

void LogicCmds::PurgePhy() {
  if (Physics* physics = engine_.GetPhysics()) physics->DeleteTestBodies();
}

// A typed index may name no loaded map; it is refused here rather than reaching the maps.
void LogicCmds::MapIndex(int index) {
  if (!logic_.SetCurrentMap(index))
    engine_.GetLog()->Write("LogicLog", "No loaded map has the index " + std::to_string(index), 2);
}

void LogicCmds::Map(std::string listName) {
  logic_.SetMapListName(listName);
  logic_.StartGame();
}

void LogicCmds::StartGame() {
  logic_.RequestStart();
}

void LogicCmds::UnfreezeEntity(uint32_t id) {
  if (logic_.IsLiveCommandEntity(*this)) logic_.GetGameFlow().UnfreezeEntity(id);
}

void LogicCmds::QuitGame() { MainWindow::PostQuit(); }

void LogicCmds::EscapePressed() {
  logic_.EscapePressed();
}
