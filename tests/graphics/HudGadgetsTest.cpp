// The gadget side of the HUD: the ammunition text by the held gadget and the HUD's gadget
// models taken from the bound gadgets.
#include <gtest/gtest.h>

#include "graphics/ModelEnt.h"
#include "graphics/gui/HudGadgets.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

TEST_F(HudTest, TheAmmoTextCountsSmokeGrenadesAndBoxesButNotTheTaser) {
  StartHud();
  thief->info.smokeGrenades = 2;
  thief->info.boxes = 13;
  ammoText = "stale";
  UpdateAmmoText();
  EXPECT_EQ(ammoText, "");
  thief->gadget = 1;
  UpdateAmmoText();
  EXPECT_EQ(ammoText, "x2");
  thief->gadget = 2;
  UpdateAmmoText();
  EXPECT_EQ(ammoText, "x13");
}

TEST_F(GuiTest, AnUnboundAmmoTextIsReportedOnTheConsole) {
  StartGui();
  UpdateAmmoText();
  int reported = 0;
  for (const std::string& line : ConsoleLines()) reported += line == " Couldn't set variable  AmmoText";
  EXPECT_EQ(reported, 1);
}

TEST_F(HudTest, TheHudModelsShowTheBoundGadgetsWithoutOutlineInFixedLight) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  std::deque<GUIModelElement>& models = graphics->GetCurrentScreen()->models;
  const char* names[3] = {"models/smokebomb.x", "models/box.x", "models/taser.x"};
  std::vector<HudTestGadget*> gadgets;
  for (size_t i = 0; i < 3; ++i) {
    auto* gadget = static_cast<HudTestGadget*>(Engine::Get()->GetEntityManager()->Create(HudTestGadget::kClassName));
    gadget->model.modelName = names[i];
    models[i].boundEntity.Set(gadget);
    gadgets.push_back(gadget);
  }
  Delete(gadgets[1]);
  RefreshHudGadgetModels();
  for (size_t i = 0; i < 3; ++i) {
    auto* entity = dynamic_cast<ModelEnt*>(models[i].modelEntity.Get());
    ASSERT_NE(entity, nullptr);
    EXPECT_EQ(entity->model.outlinePasses, 0);
    EXPECT_EQ(entity->model.fixedLight, 1);
  }
  EXPECT_EQ(models[0].ModelName, "models/smokebomb.x");
  EXPECT_NE(dynamic_cast<ModelEnt*>(models[0].modelEntity.Get())->model.GetModel(), nullptr);
  EXPECT_EQ(models[1].ModelName, "");
  EXPECT_EQ(models[2].ModelName, "models/taser.x");
}

// The HUD's models stand where the switch animation puts them, deep enough before the GUI's
// camera to show: the selected gadget large, the other two beside it, low on the left.
TEST_F(HudTest, AfterTheWalkRoundEveryGadgetShowsLowOnTheLeft) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  BindDemoGadgets();
  GUIScreen* hud = graphics->GetCurrentScreen();
  for (size_t i = 0; i < 3; ++i) {
    const std::vector<uint8_t> shown = RenderedPixels();
    hud->models[i].visible = 0;
    const std::vector<uint8_t> hidden = RenderedPixels();
    hud->models[i].visible = 1;
    const FrameChange change = ChangeBetween(shown, hidden, 1024);
    ASSERT_GT(change.pixels, 300u) << hud->models[i].ModelName;
    EXPECT_GT(change.row, 500) << hud->models[i].ModelName;
    EXPECT_LT(change.column, 400) << hud->models[i].ModelName;
  }
}

TEST_F(HudTest, AScreenWithFewerThanThreeModelsIsLeftAlone) {
  StartHud();
  graphics->ChangeGUIScreen("Blank", 0);
  RefreshHudGadgetModels();
  EXPECT_TRUE(graphics->GetCurrentScreen()->models.empty());
}

}  // namespace
