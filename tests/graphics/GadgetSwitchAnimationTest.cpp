// The HUD's three gadget models rotating through their places: which model goes where, the
// paths forwards and backwards, the gadgets' sizes and heights, and gadgets that are gone.
#include <gtest/gtest.h>

#include "graphics/ModelEnt.h"
#include "graphics/gui/GadgetSwitchAnimation.h"
#include "graphics/gui/HudGadgets.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

class GadgetSwitchTest : public HudTest {
 protected:
  // The HUD screen with the taser, the smoke grenade and the box bound in element order, and
  // the thief holding gadget `held`.
  void ShowGadgets(int32_t held) {
    StartHud();
    graphics->ChangeGUIScreen("HUD", 0);
    const struct {
      const char* model;
      int32_t size;
      float height;
    } kGadgets[3] = {{"models/taser.x", 15, -5.0f}, {"models/smokebomb.x", 10, -20.0f}, {"models/box.x", 1, 20.0f}};
    for (size_t i = 0; i < 3; ++i) {
      auto* gadget = static_cast<HudTestGadget*>(Engine::Get()->GetEntityManager()->Create(HudTestGadget::kClassName));
      gadget->model.modelName = kGadgets[i].model;
      gadget->gadget.size = kGadgets[i].size;
      gadget->gadget.heightOffset = kGadgets[i].height;
      gadgets[i] = gadget;
      Models()[i].boundEntity.Set(gadget);
    }
    RefreshHudGadgetModels();
    thief->gadget = held;
    thief->info.switchingGadget = 1;
  }
  std::deque<GUIModelElement>& Models() { return graphics->GetCurrentScreen()->models; }
  static float ScaleOf(const GUIModelElement* element) {
    return static_cast<ModelEnt*>(element->modelEntity.Get())->model.scale;
  }
  GadgetSwitchAnimation* Switch(bool reverse) {
    GadgetSwitchAnimation* animation = Animations().AddGadgetSwitch();
    animation->reverse = reverse ? 1 : 0;
    animation->Start();
    return animation;
  }
  void RunToTheEnd() {
    for (int i = 0; i < 5; ++i) Tick(0.1);
  }

  HudTestGadget* gadgets[3] = {};
};

TEST_F(GadgetSwitchTest, ForwardTheHeldGadgetLeavesTheMiddleAndTheNextComesIn) {
  ShowGadgets(1);
  GadgetSwitchAnimation* animation = Switch(false);
  EXPECT_EQ(animation->slot0, &Models()[1]);
  EXPECT_EQ(animation->slot1, &Models()[2]);
  EXPECT_EQ(animation->slot2, &Models()[0]);
  Tick(0.1);
  EXPECT_NEAR(Models()[1].ModelPos.x, 300.0f, 1e-3f);
  RunToTheEnd();
  // Slot 0 (the smoke grenade) ends at the left at half size, slot 2 (the taser) in the middle.
  EXPECT_NEAR(Models()[1].ModelPos.x, 220.0f, 1e-3f);
  EXPECT_NEAR(Models()[1].ModelPos.z, -240.0f - 20.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[1]), 10 * 0.5f, 1e-4f);
  EXPECT_NEAR(Models()[2].ModelPos.x, 415.0f, 1e-3f);
  EXPECT_NEAR(Models()[2].ModelPos.z, -280.0f + 20.0f, 1e-3f);
  EXPECT_NEAR(Models()[0].ModelPos.x, 320.0f, 1e-3f);
  EXPECT_NEAR(Models()[0].ModelPos.z, -220.0f - 5.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[0]), 15 * 1.0f, 1e-4f);
  EXPECT_EQ(thief->info.switchingGadget, 0);
  EXPECT_EQ(Animations().Size(), 0u);
}

TEST_F(GadgetSwitchTest, ReversedTheSamePathsRunFromTheirEndsBackToTheirStarts) {
  ShowGadgets(1);
  GadgetSwitchAnimation* animation = Switch(true);
  EXPECT_EQ(animation->slot1, &Models()[1]);
  EXPECT_EQ(animation->slot2, &Models()[2]);
  EXPECT_EQ(animation->slot0, &Models()[0]);
  EXPECT_FLOAT_EQ(animation->Value("x0"), 220.0f);
  EXPECT_FLOAT_EQ(animation->Value("scale2"), 1.0f);
  RunToTheEnd();
  EXPECT_NEAR(Models()[0].ModelPos.x, 320.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[0]), 15 * 1.0f, 1e-4f);
  EXPECT_NEAR(Models()[1].ModelPos.x, 220.0f, 1e-3f);
  EXPECT_NEAR(Models()[2].ModelPos.x, 415.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[2]), 1 * 0.5f, 1e-4f);
}

// The wheel's second notch comes while the first switch is on show: the newer switch takes
// over, and the HUD ends as after that switch alone.
TEST_F(GadgetSwitchTest, ASecondSwitchDuringTheFirstDecidesWhereTheModelsEnd) {
  ShowGadgets(1);
  Switch(false);
  Tick(0.2);
  thief->gadget = 2;
  Switch(false);
  RunToTheEnd();
  EXPECT_NEAR(Models()[1].ModelPos.x, 320.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[1]), 10 * 1.0f, 1e-4f);
  EXPECT_NEAR(Models()[2].ModelPos.x, 220.0f, 1e-3f);
  EXPECT_NEAR(Models()[0].ModelPos.x, 415.0f, 1e-3f);
  EXPECT_NEAR(ScaleOf(&Models()[0]), 15 * 0.5f, 1e-4f);
  EXPECT_EQ(thief->info.switchingGadget, 0);
  EXPECT_EQ(Animations().Size(), 0u);
}

TEST_F(GadgetSwitchTest, AModelWhoseGadgetWasDeletedStaysWhereItWas) {
  ShowGadgets(0);
  Switch(false);
  Tick(0.1);
  const float x = Models()[1].ModelPos.x;
  Delete(gadgets[1]);
  RunToTheEnd();
  EXPECT_FLOAT_EQ(Models()[1].ModelPos.x, x);
  EXPECT_NEAR(Models()[0].ModelPos.x, 220.0f, 1e-3f);
}

TEST_F(GadgetSwitchTest, WithoutAThiefOrThreeModelsItOnlyRunsOut) {
  StartHud();
  graphics->ChangeGUIScreen("Blank", 0);
  GadgetSwitchAnimation* animation = Switch(false);
  EXPECT_EQ(animation->slot0, nullptr);
  Delete(thief);
  RunToTheEnd();
  EXPECT_EQ(Animations().Size(), 0u);
}

}  // namespace
