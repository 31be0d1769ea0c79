// The tally's item: its model rises and shrinks on the screen for a second, then it hides and
// its worth is credited to its owner.
#include <gtest/gtest.h>

#include "graphics/ModelEnt.h"
#include "graphics/ModelRecord.h"
#include "graphics/gui/ItemValueAnimation.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

class ItemValueTest : public HudTest {
 protected:
  GUIModelElement& ShowItem(const std::string& model) {
    StartHud();
    graphics->ChangeGUIScreen("HUD", 0);
    GUIModelElement& element = graphics->GetCurrentScreen()->models[0];
    element.ModelName = model;
    element.LoadModel();
    return element;
  }
  static ModelComp& ModelOf(GUIModelElement& element) {
    return static_cast<ModelEnt*>(element.modelEntity.Get())->model;
  }
};

TEST_F(ItemValueTest, TheItemRisesShrinksAndHidesThenItsWorthIsCredited) {
  GUIModelElement& element = ShowItem("models/gem.x");
  ModelComp& model = ModelOf(element);
  ASSERT_NE(model.GetModel(), nullptr);
  const float meshScale = model.GetModel()->meshInfo ? model.GetModel()->meshInfo->Scale : 1.0f;
  ItemValueAnimation* item = Animations().AddItemValue();
  item->modelElement = &element;
  item->worth = 300;
  item->ownerId = 7;
  item->Start();
  for (int i = 0; i < 5; ++i) Tick(0.1);
  EXPECT_NEAR(element.ModelPos.z, -5.0f, 1e-3f);
  EXPECT_NEAR(model.scale, meshScale * 0.6f, 1e-4f);
  EXPECT_TRUE(game.scores.empty());
  EXPECT_EQ(element.visible, 1);
  for (int i = 0; i < 5; ++i) Tick(0.1);
  EXPECT_NEAR(element.ModelPos.z, -80.0f, 1e-3f);
  EXPECT_NEAR(model.scale, meshScale * 0.2f, 1e-4f);
  EXPECT_EQ(element.visible, 0);
  EXPECT_EQ(game.scores, (std::vector<std::pair<int32_t, int32_t>>{{7, 300}}));
  EXPECT_EQ(Animations().Size(), 0u);
}

TEST_F(ItemValueTest, OneNeverStartedIsDroppedAtTheNextUpdateWithoutCredit) {
  GUIModelElement& element = ShowItem("models/gem.x");
  ItemValueAnimation* item = Animations().AddItemValue();
  item->modelElement = &element;
  item->worth = 300;
  Tick(0.1);
  EXPECT_EQ(Animations().Size(), 0u);
  EXPECT_TRUE(game.scores.empty());
  EXPECT_EQ(element.visible, 1);
}

TEST_F(ItemValueTest, AnElementWhoseModelEntityIsGoneStillMovesAndCredits) {
  GUIModelElement& element = ShowItem("models/gem.x");
  ItemValueAnimation* item = Animations().AddItemValue();
  item->modelElement = &element;
  item->worth = 50;
  item->ownerId = 2;
  item->Start();
  Delete(element.modelEntity.Get());
  for (int i = 0; i < 10; ++i) Tick(0.1);
  EXPECT_NEAR(element.ModelPos.z, -80.0f, 1e-3f);
  EXPECT_EQ(game.scores.size(), 1u);
}

}  // namespace
