#include <gtest/gtest.h>

#include "map/BspMap.h"
#include "tests/logic/GameTestSupport.h"

namespace {

using GameStartTest = GameTest;

TEST_F(GameStartTest, SkipMenusStartsAGameInTheFirstFrameWithTheThiefOnTheSecondStart) {
  WriteSettings(
      "<var><string>Museummaps.xml</string><bool>false</bool><bool>true</bool><float>5000</float>"
      "<float>5000</float><float>5000</float><float>10</float><int>2</int></var>");
  StartGameLogic();
  Frame();
  Logic* logic = GetLogic();
  ASSERT_TRUE(logic->IsInGame());
  EXPECT_EQ(logic->GetMaps().GetCount(), 3u);
  EXPECT_EQ(logic->GetControlsName(), "Null") << "the lobby's fly-through plays";
  EXPECT_TRUE(logic->IsFlyThroughRunning());
  EXPECT_FLOAT_EQ(logic->GetRoundTimeLeft(), 600.0f);
  ASSERT_NE(Thief(), nullptr);
  EXPECT_EQ(Thief()->info.outfit, 2);
  const EntityList* starts = logic->GetEntities("PlayerStart");
  ASSERT_NE(starts, nullptr);
  ASSERT_EQ(starts->Count(), 4u) << "the lobby's four starts, none from the other maps";
  auto* second = static_cast<TestStart*>(starts->At(1));
  EXPECT_EQ(Thief()->physical.GetPosition(), second->physical.GetPosition());
  EXPECT_EQ(logic->GetCurrentMapIndex(), 0);
}

// The maps of the first start stay the museum: a later start reads the list but loads nothing,
// hands out the next start, and shows no fly-through a second time.
TEST_F(GameStartTest, ASecondGameLoadsNoMapAndFliesNoShownMapAgain) {
  StartGameLogic();
  Logic* logic = GetLogic();
  logic->StartGame();
  const BspMap* lobby = &logic->GetCurrentMap();
  WriteMapList("Museummaps.xml", {"nosuch.bsp"});
  logic->StartGame();
  ASSERT_TRUE(logic->IsInGame());
  EXPECT_EQ(&logic->GetCurrentMap(), lobby);
  EXPECT_EQ(logic->GetMaps().GetCount(), 3u);
  EXPECT_FALSE(logic->IsFlyThroughRunning());
  EXPECT_EQ(logic->GetControlsName(), "Game");
  auto* third = static_cast<TestStart*>(logic->GetEntities("PlayerStart")->At(2));
  EXPECT_EQ(Thief()->physical.GetPosition(), third->physical.GetPosition());
}

TEST_F(GameStartTest, AMuseumWithoutMapsOrWithABrokenMapIsRefusedAndARetryWorks) {
  StartGameLogic();
  Logic* logic = GetLogic();
  WriteMapList("Museummaps.xml", {});
  logic->StartGame();
  EXPECT_FALSE(logic->IsInGame());
  EXPECT_NE(NewLogicLog().find("The map list Data/Museummaps.xml names no map"), std::string::npos);

  WriteMapList("Museummaps.xml", {"lobby.bsp", "nosuch.bsp"});
  logic->StartGame();
  EXPECT_FALSE(logic->IsInGame());
  EXPECT_EQ(Thief(), nullptr);
  EXPECT_EQ(logic->GetControlsName(), "Null");
  EXPECT_NE(NewLogicLog().find("Could not load map. "), std::string::npos);

  WriteMapList("Museummaps.xml", {"lobby.bsp", "gallery.bsp"});
  logic->StartGame();
  EXPECT_TRUE(logic->IsInGame());
  EXPECT_EQ(logic->GetMaps().GetCount(), 2u);
}

// The console's "map" starts at once, also in the middle of a flight: the flight ends with the
// old game, so the next game's clock runs.
TEST_F(GameStartTest, AGameClearedInFlightLeavesNoFlightBehind) {
  StartGameLogic();
  Logic* logic = GetLogic();
  logic->StartGame();
  ASSERT_TRUE(logic->IsFlyThroughRunning());
  MessageArgs args = MessageArgs::FromText("Museummaps.xml");
  logic->GetCommandEntity()->HandleMessage("map", &args);
  EXPECT_TRUE(logic->IsInGame());
  EXPECT_FALSE(logic->IsFlyThroughRunning());
  for (int i = 0; i < 10; ++i) Frame();
  EXPECT_LT(logic->GetRoundTimeLeft(), 600.0f);
}

TEST_F(GameStartTest, TheClockStandsDuringTheFlightAndCountsFiveMinutesAfterIt) {
  StartGameLogic();
  Logic* logic = GetLogic();
  logic->GetMenus().ChangeTime(5.0f);
  logic->StartGame();
  for (int i = 0; i < 20; ++i) EngineFixture::Frame(0.1);
  EXPECT_FLOAT_EQ(logic->GetRoundTimeLeft(), 300.0f);
  logic->EndMapFlyThrough();
  for (int i = 0; i < 20; ++i) EngineFixture::Frame(0.1);
  EXPECT_NEAR(logic->GetRoundTimeLeft(), 298.0f, 0.01f);
}

// Time-up is reported once; a bust holding the round back delays it to the frame after the
// bust screen, and the round ends five seconds later.
TEST_F(GameStartTest, TimeUpIsReportedOnceAlsoAfterABust) {
  StartGameLogic();
  Logic* logic = GetLogic();
  StartRound();
  logic->SetRoundTimeLeft(1.0f);
  logic->SendCommand("Busted");
  for (int i = 0; i < 20; ++i) EngineFixture::Frame(0.1);
  EXPECT_LT(logic->GetRoundTimeLeft(), 0.0f);
  EXPECT_TRUE(logic->IsRoundOver()) << "the bust holds the round";
  for (int i = 0; i < 20; ++i) EngineFixture::Frame(0.1);
  EXPECT_EQ(Thief()->busts, 1);
  EXPECT_TRUE(logic->IsRoundOver()) << "time-up follows the bust screen";
  EXPECT_TRUE(logic->IsInGame());
  for (int i = 0; i < 60; ++i) EngineFixture::Frame(0.1);
  EXPECT_FALSE(logic->IsInGame()) << "the round ended";
  EXPECT_EQ(logic->GetTally().GetResults().size(), 1u);
}

// A step of a game cleared before it fell due must not reach the next game.
TEST_F(GameStartTest, AStaleEndGameDoesNotEndTheNextGame) {
  StartGameLogic();
  Logic* logic = GetLogic();
  StartRound();
  logic->SetRoundTimeLeft(0.05f);
  EngineFixture::Frame(0.1);
  ASSERT_TRUE(logic->IsRoundOver());
  StartRound();
  for (int i = 0; i < 80; ++i) EngineFixture::Frame(0.1);
  EXPECT_TRUE(logic->IsInGame());
  EXPECT_FALSE(logic->IsRoundOver());
}

TEST_F(GameStartTest, AnUnfreezeFallingDueAfterItsEntityWentDoesNothing) {
  StartGameLogic();
  Logic* logic = GetLogic();
  StartRound();
  Entity* guard = Engine::Get()->GetEntityManager()->Create("Guard");
  Entity* other = Engine::Get()->GetEntityManager()->Create("Guard");
  logic->UnfreezeLater(*guard, 5.0f);
  logic->UnfreezeLater(*other, 5.0f);
  Engine::Get()->GetEntityManager()->QueueDelete(guard);
  for (int i = 0; i < 60; ++i) EngineFixture::Frame(0.1);
  EXPECT_TRUE(static_cast<TestGuard*>(other)->physical.unfreezeRequested);
}

}  // namespace
