// The demo's screens carry every sprite that the game flow and the HUD show by name, each with a
// picture that holds its frames; and the time's-up picture as the round's end shows it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/render/Texture.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GuiTestSupport.h"

namespace {

std::vector<std::string> NamedSprites() {
  std::vector<std::string> names = {"QuickStart", "QuickStart2", "PlayerSelect", "PlayerSelect2",  "Exit",
                                    "Exit2",      "Go",          "Busted",       "OutsideToScore", "Item",
                                    "You",        "TimesUp",     "EnterDoor",    "BatteryMeter"};
  auto numbered = [&names](const char* prefix, int count) {
    for (int i = 1; i <= count; ++i) names.push_back(prefix + std::to_string(i));
  };
  numbered("Place", 4);
  numbered("ComputerPlace", 4);
  numbered("Time", 4);
  numbered("D", 3);
  numbered("Alert", 3);
  return names;
}

TEST_F(GuiTest, EverySpriteTheGameShowsIsOnAScreenWithAPictureThatHoldsItsFrames) {
  StartGui();
  for (const std::string& name : NamedSprites()) {
    GUISpriteElement* sprite = graphics->GetGUI()->GetSpriteElements().Get(name);
    ASSERT_NE(sprite, nullptr) << name;
    ASSERT_TRUE(sprite->texture) << name;
    const platform::Texture& picture = *sprite->texture.get();
    ASSERT_FALSE(sprite->frames.empty()) << name;
    for (const platform::IntRect& frame : sprite->frames) {
      EXPECT_LE(frame.right, picture.Width()) << name;
      EXPECT_LE(frame.bottom, picture.Height()) << name;
    }
  }
}

TEST_F(GuiTest, TimesUpMatchesItsReferenceImage) {
  StartGui();
  graphics->ChangeGUIScreen("Blank", 0);
  GUISpriteElement* timesUp = graphics->GetGUI()->GetSpriteElements().Get("TimesUp");
  ASSERT_NE(timesUp, nullptr);
  timesUp->SetPosition(356, 282);
  PointAt(1016, 744);
  UpdateAndRender();
  UpdateAndRender();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "gui_timesup", 8, 0.99, &message)) << message;
}

}  // namespace
