// The tally as a player sees it: each thief, its score, the user's arrow and the places in the
// column that the thief's outfit names; a column without a thief stays empty.
#include <gtest/gtest.h>

#include <filesystem>

#include "graphics/gui/GUISpriteElement.h"
#include "platform/core/Random.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/logic/GameTestSupport.h"

namespace {

constexpr int kColumnWidth = 256;

struct Thief {
  int32_t outfit;
  const char* gender;
  int32_t total;
};

class TallyScreenTest : public MenuTest {
 protected:
  TallyScreenTest() {
    std::filesystem::copy(std::filesystem::path(VR_GENERATED_DIR) / "models", "models",
                          std::filesystem::copy_options::recursive);
  }
  void SetUp() override {
    StartMenus();
    RegisterEntityClass<TestThief>("LogicLog");
  }

  // The user wears `user`; the round of these thieves ends, their totals are credited and the
  // places show.
  void EndRound(int32_t user, const std::vector<Thief>& thieves) {
    GetLogic()->GetMenus().SelectOutfit(user);
    for (const Thief& t : thieves) {
      auto* thief = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
      thief->info.outfit = t.outfit;
      thief->info.gender = t.gender;
    }
    // The thieves' idle animation starts at a random point: the same one on every run.
    platform::SeedRandom(1);
    Tally& tally = GetLogic()->GetTally();
    tally.EndGame();
    for (const Thief& t : thieves) GetLogic()->AddScore(t.outfit, t.total);
    tally.ShowWinner();
    FinishSlide();
    // The thieves hold still, so that two frames differ only by what a test changes.
    Engine::Get()->GetTimer()->SetPaused(true);
  }

  GUIModelElement& ThiefOf(int32_t column) { return Screen("EndRound")->models[size_t(column) + 4]; }
  GUITextElement& ScoreOf(int32_t column) { return Screen("EndRound")->texts[size_t(column)]; }
  static float CentreOf(const GUISpriteElement* sprite) { return sprite->Rect.topLeft.x + sprite->Rect.width / 2.0f; }

  // How many pixels of the column's score show: the frame with it against the frame without it.
  size_t ScorePixels(int32_t column) {
    GUITextElement& score = ScoreOf(column);
    const GUIPoint at = score.Rect.topLeft;
    const std::vector<uint8_t> with = RenderedPixels();
    score.Rect.topLeft = {-1024, -1024};
    const std::vector<uint8_t> without = RenderedPixels();
    score.Rect.topLeft = at;
    return ChangeBetween(with, without, 1024).pixels;
  }
};

TEST_F(TallyScreenTest, EachThiefItsScoreItsPlaceAndTheUsersArrowStandInItsColumn) {
  EndRound(2, {{2, "female", 300}, {0, "male", 500}, {3, "male", 100}});
  for (const int32_t column : {0, 2, 3}) {
    GUIModelElement& thief = ThiefOf(column);
    const std::vector<uint8_t> shown = RenderedPixels();
    thief.visible = 0;
    const double centre = ChangeBetween(shown, RenderedPixels(), 1024).column;
    thief.visible = 1;
    EXPECT_NEAR(centre, column * kColumnWidth + kColumnWidth / 2, 24) << "the thief of column " << column;
    const float score = ScoreOf(column).Rect.topLeft.x + ScoreOf(column).Rect.width / 2.0f;
    EXPECT_NEAR(score, column * kColumnWidth + kColumnWidth / 2, 48) << "the score of column " << column;
  }
  EXPECT_FLOAT_EQ(CentreOf(Sprite("You")), 2 * kColumnWidth + kColumnWidth / 2);
  // The user's place is the user's badge; the others are the computer thieves' badges.
  EXPECT_FLOAT_EQ(CentreOf(Sprite("Place3")), 2 * kColumnWidth + kColumnWidth / 2);
  EXPECT_FLOAT_EQ(CentreOf(Sprite("ComputerPlace2")), 0 * kColumnWidth + kColumnWidth / 2);
  EXPECT_FLOAT_EQ(CentreOf(Sprite("ComputerPlace4")), 3 * kColumnWidth + kColumnWidth / 2);
}

// No model hides a score: each shows as much of itself with the thieves as without them.
TEST_F(TallyScreenTest, EveryScoreIsReadable) {
  EndRound(1, {{0, "male", 1250}, {1, "female", 880}, {2, "male", 40}, {3, "female", 7}});
  for (int32_t column = 0; column < 4; ++column) {
    const size_t withThieves = ScorePixels(column);
    for (int32_t c = 0; c < 4; ++c) ThiefOf(c).visible = 0;
    const size_t alone = ScorePixels(column);
    for (int32_t c = 0; c < 4; ++c) ThiefOf(c).visible = 1;
    EXPECT_GT(alone, 50u) << "column " << column;
    EXPECT_EQ(withThieves, alone) << "column " << column;
  }
}

// A column without a thief shows neither thief nor score, also after a round that filled it;
// the places of the earlier tally are gone.
TEST_F(TallyScreenTest, AColumnWithoutAThiefStaysEmpty) {
  EndRound(2, {{0, "male", 10}, {1, "male", 20}, {2, "female", 30}, {3, "male", 40}});
  EXPECT_GT(ScorePixels(1), 50u);
  Engine::Get()->GetTimer()->SetPaused(false);
  EndRound(2, {{2, "female", 0}});
  for (const int32_t column : {0, 1, 3}) {
    EXPECT_EQ(ThiefOf(column).visible, 0) << "column " << column;
    EXPECT_EQ(ScorePixels(column), 0u) << "column " << column;
  }
  EXPECT_EQ(ThiefOf(2).visible, 1);
  EXPECT_GT(ScorePixels(2), 20u) << "the user's 0";
  for (const char* earlier : {"Place1", "ComputerPlace2", "ComputerPlace3"})
    EXPECT_FLOAT_EQ(Sprite(earlier)->Rect.topLeft.x, -1024.0f) << earlier;
  EXPECT_FLOAT_EQ(CentreOf(Sprite("Place4")), 2 * kColumnWidth + kColumnWidth / 2);
}

TEST_F(TallyScreenTest, TheTallyMatchesItsReferenceImage) {
  EndRound(1, {{0, "male", 250}, {1, "female", 900}, {2, "male", 400}, {3, "female", 0}});
  PointAt(1016, 744);  // the cursor out of the way
  UpdateAndRender();
  UpdateAndRender();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "tally_screen", 8, 0.99, &message)) << message;
}

}  // namespace
