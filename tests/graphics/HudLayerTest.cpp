// The HUD in the frame: the layer over a running round and what turns it off, the animations
// run by the frame, the white fade composed over the menus, and reference images of both.
#include <gtest/gtest.h>

#include "graphics/Camera.h"
#include "graphics/gui/HudDigits.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

class HudLayerTest : public HudTest {
 protected:
  void Frame() {
    clock.AdvanceSeconds(0.1);
    Engine::Get()->GetTimer()->Update();
    UpdateAndRender();
  }
  GUISpriteElement* Sprite(const char* name) { return graphics->GetGUI()->GetSpriteElements().Get(name); }
};

TEST_F(HudLayerTest, TheLayerRunsOnlyOverARoundWithTimeLeftAndNoOverlay) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  thief->gadget = 1;
  auto drawn = [&] {
    ammoText = "untouched";
    Frame();
    return ammoText == "x2";
  };
  EXPECT_TRUE(drawn());
  game.timeLeft = 0.0f;
  EXPECT_FALSE(drawn());
  game.timeLeft = 10.0f;
  game.overlay = true;
  EXPECT_FALSE(drawn());
  game.overlay = false;
  game.inGame = false;
  EXPECT_FALSE(drawn());
  game.inGame = true;
  graphics->StartTransition();
  EXPECT_FALSE(drawn());
  graphics->SetHudGame(nullptr);
  EXPECT_FALSE(drawn());
}

TEST_F(HudLayerTest, TheBackgroundGivesWayToTheGameViewDuringARound) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  Frame();
  EXPECT_EQ(BackBufferPixel(512, 400), 0x000000FFu);
  game.timeLeft = 0.0f;
  Frame();
  EXPECT_NE(BackBufferPixel(512, 400), 0x000000FFu);
}

TEST_F(HudLayerTest, TheDoorSignShowsWhileTheThiefStandsAtADoor) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  Entity* door = Engine::Get()->GetEntityManager()->Create(HudTestThief::kClassName);
  thief->info.teleporter.Set(door);
  Frame();
  GUISpriteElement* sign = Sprite("EnterDoor");
  ASSERT_NE(sign, nullptr);
  EXPECT_FLOAT_EQ(sign->Rect.topLeft.x, 256.0f);
  EXPECT_FLOAT_EQ(sign->Rect.topLeft.y, 650.0f);
  Delete(door);
  Frame();
  EXPECT_FLOAT_EQ(sign->Rect.topLeft.x, -1024.0f);
  EXPECT_FLOAT_EQ(sign->Rect.topLeft.y, -1024.0f);
}

TEST_F(HudLayerTest, TheBatteryMeterShowsTheChargeInGameView) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  GUISpriteElement* meter = Sprite("BatteryMeter");
  ASSERT_NE(meter, nullptr);
  thief->info.battery = 50;
  Frame();
  EXPECT_EQ(meter->Rect.width, 48);
  Camera camera;
  camera.owner = thief;
  graphics->SetActiveCamera(&camera);
  Frame();
  EXPECT_EQ(meter->Rect.width, 24);
  EXPECT_EQ(meter->frames.back().right, 24);
  thief->info.battery = 100;
  Frame();
  EXPECT_EQ(meter->Rect.width, 48);
  graphics->SetActiveCamera(nullptr);
}

TEST_F(HudLayerTest, TheFrameRunsTheAnimations) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  graphics->GetAnimationList()->AddMoneyGain(120);
  for (int i = 0; i < 10; ++i) Frame();
  EXPECT_FLOAT_EQ(thief->info.money, 120.0f);
  EXPECT_EQ(graphics->GetAnimationList()->Size(), 0u);
}

TEST_F(HudLayerTest, AWhiteFadeLightensTheMenusUntilACameraFrameEndsIt) {
  StartGui();
  graphics->ChangeGUIScreen("Intro", 0);
  Frame();
  const uint32_t before = BackBufferPixel(512, 700);
  graphics->GetAnimationList()->AddFadeWhite();
  Frame();
  const uint32_t during = BackBufferPixel(512, 700);
  EXPECT_GT(during >> 24, before >> 24);
  EXPECT_GE(during >> 24, 0xD0u);
  for (int i = 0; i < 12; ++i) Frame();
  // The fade has run out and leaves the picture as it was, still composed through the pass.
  EXPECT_TRUE(graphics->IsWhiteFading());
  EXPECT_NEAR(int(BackBufferPixel(512, 700) >> 24), int(before >> 24), 2);
  Entity* viewer = Engine::Get()->GetEntityManager()->Create(HudTestThief::kClassName);
  Camera camera;
  camera.owner = viewer;
  graphics->SetActiveCamera(&camera);
  Frame();
  EXPECT_FALSE(graphics->IsWhiteFading());
  graphics->SetActiveCamera(nullptr);
}

TEST_F(HudLayerTest, TheHudLayerMatchesItsReferenceImage) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  thief->info.money = 1250.0f;
  thief->info.smokeGrenades = 2;
  thief->gadget = 1;
  game.timeLeft = 75.5f;
  PointAt(1016, 744);  // without a camera the cursor shows; out of the way
  Frame();
  Frame();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "hud_layer", 8, 0.99, &message)) << message;
}

// The prompts at a door and with an exhibit in hand, the busted picture and the gadgets.
TEST_F(HudLayerTest, TheHudsWordsAndGadgetsMatchTheirReferenceImage) {
  StartHud();
  graphics->ChangeGUIScreen("HUD", 0);
  BindDemoGadgets();
  Entity* door = Engine::Get()->GetEntityManager()->Create(HudTestThief::kClassName);
  thief->info.teleporter.Set(door);
  Sprite("OutsideToScore")->SetPosition(0, 282);
  Sprite("Busted")->SetPosition(376, 282);
  PointAt(1016, 744);
  Frame();
  Frame();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "hud_words", 8, 0.99, &message)) << message;
}

TEST_F(HudLayerTest, TheWhiteFadeHalfWayMatchesItsReferenceImage) {
  StartGui();
  graphics->ChangeGUIScreen("MainMenu", 0);
  Frame();
  graphics->GetAnimationList()->AddFadeWhite();
  for (int i = 0; i < 5; ++i) Frame();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "white_fade_half", 8, 0.99, &message)) << message;
}

}  // namespace
