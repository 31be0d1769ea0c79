#include <filesystem>

#include "platform/core/Random.h"
#include "platform/render/RenderDevice.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/graphics/GuiTestSupport.h"

namespace {

// The player-select screen with the demo's two thief models on it.
class PlayerSelectTest : public GuiTest {
 protected:
  PlayerSelectTest() {
    namespace fs = std::filesystem;
    fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", fs::copy_options::recursive);
  }

  GUIScreen* Show() {
    StartGui();
    graphics->ChangeGUIScreen("PlayerSelect", 0);
    // The models start their animations at a random point: the same one on every run.
    platform::SeedRandom(1);
    GUIScreen* screen = Screen("PlayerSelect");
    for (GUIModelElement& model : screen->models) model.LoadModel();
    return screen;
  }

  std::vector<uint8_t> Frame() {
    UpdateAndRender();
    return RenderedPixels();
  }
};

TEST_F(PlayerSelectTest, EachThiefStandsOverItsOwnButton) {
  GUIScreen* screen = Show();
  ASSERT_EQ(screen->models.size(), 2u);
  for (GUIModelElement& model : screen->models) model.visible = 0;
  const std::vector<uint8_t> empty = Frame();
  const std::map<std::string, std::string> buttonOf = {{"thief", "Male"}, {"femaleThief", "Female"}};
  for (GUIModelElement& shown : screen->models) {
    for (GUIModelElement& model : screen->models) model.visible = &model == &shown;
    const double column = ChangeBetween(empty, Frame(), 1024).column;
    const GUISpriteElement* button = graphics->GetGUI()->GetSpriteElements().Get(buttonOf.at(shown.ModelName));
    ASSERT_NE(button, nullptr) << shown.ModelName;
    EXPECT_GE(column, button->Rect.topLeft.x) << shown.ModelName;
    EXPECT_LE(column, button->Rect.topLeft.x + button->Rect.width) << shown.ModelName;
  }
}

TEST_F(PlayerSelectTest, TheScreenMatchesItsReferenceImage) {
  Show();
  PointAt(900, 300);  // away from the buttons
  Frame();
  std::string message;
  EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), "gui_playerselect", 8, 0.99, &message)) << message;
}

}  // namespace
