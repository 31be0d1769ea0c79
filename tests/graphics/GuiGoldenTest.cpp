#include <string>

#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GuiTestSupport.h"

namespace {

TEST_F(GuiTest, TheMainMenuMatchesItsReferenceImage) {
  StartGui();
  graphics->ChangeGUIScreen("MainMenu", 0);
  PointAt(600, 360);  // over the quick-start button, which lights
  UpdateAndRender();
  UpdateAndRender();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "gui_mainmenu", 8, 0.99, &message)) << message;
}

}  // namespace
