#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/VariableTable.h"
#include "entities/ItemRecord.h"
#include "graphics/gui/GUISpriteElement.h"
#include "tests/logic/GameTestSupport.h"

namespace {

class TallyTest : public MenuTest {
 protected:
  void SetUp() override {
    StartMenus();
    RegisterEntityClass<TestThief>("LogicLog");
  }
  // Thieves with these outfits (their ids), then the round's end with these totals credited.
  Tally& EndRound(const std::vector<std::pair<int32_t, int32_t>>& idsAndTotals) {
    for (const auto& [id, total] : idsAndTotals) {
      auto* thief = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
      thief->info.outfit = id;
    }
    Tally& tally = GetLogic()->GetTally();
    tally.EndGame();
    for (const auto& [id, total] : idsAndTotals) GetLogic()->AddScore(id, total);
    return tally;
  }
  static std::map<int32_t, int32_t> Places(const Tally& tally) {
    std::map<int32_t, int32_t> places;
    for (const RoundResult& r : tally.GetResults()) places[r.id] = r.place;
    return places;
  }
};

struct PlacesCase {
  const char* name;
  std::vector<std::pair<int32_t, int32_t>> idsAndTotals;
  std::map<int32_t, int32_t> places;
};
void PrintTo(const PlacesCase& c, std::ostream* out) { *out << c.name; }

class TallyPlacesTest : public TallyTest, public testing::WithParamInterface<PlacesCase> {};

// The best place is 5 less the number of thieves; equal totals go to the higher id.
TEST_P(TallyPlacesTest, PlacesFollowTheTotals) {
  Tally& tally = EndRound(GetParam().idsAndTotals);
  tally.ShowWinner();
  EXPECT_EQ(Places(tally), GetParam().places);
  EXPECT_TRUE(tally.IsWinnerShown());
}

INSTANTIATE_TEST_SUITE_P(
    Tallies, TallyPlacesTest,
    testing::Values(PlacesCase{"FourThieves", {{0, 300}, {1, 100}, {2, 200}, {3, 0}}, {{0, 1}, {1, 3}, {2, 2}, {3, 4}}},
                    PlacesCase{"ThreeThieves", {{0, 50}, {1, 100}, {2, 100}}, {{0, 4}, {1, 3}, {2, 2}}},
                    PlacesCase{"EqualPair", {{3, 10}, {1, 10}}, {{3, 3}, {1, 4}}},
                    PlacesCase{"Nobody", {}, {}}),
    [](const testing::TestParamInfo<PlacesCase>& info) { return info.param.name; });

// The scores count up at 400 a second into "Score" + (id + 1) and stop at the total; a later
// round with other ids still writes the variables the screens show, and the column that no
// thief of that round fills reads as empty text. The tally screen runs the counting every frame.
TEST_F(TallyTest, ShownScoresCountUpIntoTheScoreVariables) {
  Tally& tally = EndRound({{1, 100}});
  int32_t shown = -1;
  for (int i = 0; i < 2; ++i) EngineFixture::Frame(0.1);
  ASSERT_TRUE(ConsoleBinding::Get("Score2", shown));
  EXPECT_EQ(shown, 80);
  for (int i = 0; i < 5; ++i) EngineFixture::Frame(0.1);
  ASSERT_TRUE(ConsoleBinding::Get("Score2", shown));
  EXPECT_EQ(shown, 100);

  EndRound({{3, 40}});
  tally.ShowWinner();
  ASSERT_TRUE(ConsoleBinding::Get("Score4", shown));
  EXPECT_EQ(shown, 40);
  std::string empty = "unread";
  ASSERT_TRUE(ConsoleBinding::Get("Score2", empty));
  EXPECT_EQ(empty, "");
}

// Each step shows one delivery per thief and credits its worth once its animation is over; then
// the places follow.
TEST_F(TallyTest, EachStepCreditsOneDeliveryOfEveryThiefThenThePlacesShow) {
  ItemRecord vase{"vase", "", "hall", 300, false, {}};
  ItemRecord coin{"coin", "", "hall", 50, false, {}};
  auto* thief = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
  thief->info.outfit = 1;
  thief->info.deliveredItems = {&vase, &coin};
  auto* other = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
  other->info.outfit = 2;
  Tally& tally = GetLogic()->GetTally();
  GetLogic()->SendCommand("EndGame");
  auto total = [&](int32_t id) {
    for (const RoundResult& r : tally.GetResults())
      if (r.id == id) return r.total;
    return -1;
  };
  for (int i = 0; i < 45; ++i) EngineFixture::Frame(0.1);
  EXPECT_EQ(total(1), 50) << "the last delivery first";
  EXPECT_FALSE(tally.IsWinnerShown());
  for (int i = 0; i < 60; ++i) EngineFixture::Frame(0.1);
  EXPECT_EQ(total(1), 350);
  EXPECT_EQ(total(2), 0);
  EXPECT_TRUE(tally.IsWinnerShown());
  EXPECT_EQ(Places(tally), (std::map<int32_t, int32_t>{{1, 3}, {2, 4}}));
}

TEST_F(TallyTest, TheOptionsLightTheChosenDifficultyAndTheTruncatedFifthOfTheTime) {
  ShowAtOnce("Options");
  Logic* logic = GetLogic();
  logic->GetMenus().ChangeDifficulty(3);
  logic->GetMenus().ChangeTime(12.0f);
  logic->GetMenus().OptionsHandler();
  EXPECT_EQ(Sprite("D3")->currentFrame, 1);
  EXPECT_EQ(Sprite("D1")->currentFrame, 0);
  EXPECT_EQ(Sprite("Time2")->currentFrame, 1);
  EXPECT_TRUE(Sprite("Time2")->holding);
  logic->GetMenus().ChangeTime(3.0f);
  logic->GetMenus().OptionsHandler();
  for (const char* name : {"Time1", "Time2", "Time3", "Time4"}) EXPECT_EQ(Sprite(name)->currentFrame, 0) << name;
}

TEST_F(TallyTest, AlertLevelsLightTheirSpritesAndOthersAreIgnored) {
  std::vector<GUISpriteElement*> alerts = {Sprite("Alert1"), Sprite("Alert2"), Sprite("Alert3")};
  for (GUISpriteElement* sprite : alerts) sprite->NumFrames = 9;
  auto frames = [&] {
    std::vector<int32_t> out;
    for (GUISpriteElement* sprite : alerts) out.push_back(sprite->currentFrame);
    return out;
  };
  GetLogic()->SetAlertLevel(0);
  EXPECT_EQ(frames(), (std::vector<int32_t>{2, 5, 8}));
  GetLogic()->SetAlertLevel(3);
  EXPECT_EQ(frames(), (std::vector<int32_t>{0, 3, 6}));
  GetLogic()->SetAlertLevel(4);
  EXPECT_EQ(frames(), (std::vector<int32_t>{0, 3, 6}));
  EXPECT_EQ(GetLogic()->GetAlertLevel(), 3);
}

}  // namespace
