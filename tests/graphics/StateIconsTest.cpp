// The 3-D markers over guards, teleporters and drop-offs: which of the demo's marker sprites
// goes where, and what keeps a marker away.
#include <gtest/gtest.h>

#include <optional>

#include "graphics/gui/StateIcons.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

class StateIconsTest : public HudTest {
 protected:
  // The GUI points at the label until the engine is gone.
  ~StateIconsTest() override { Stop(); }
  void SetUp() override {
    StartHud();
    graphics->GetGUI()->GetSpriteElements().Add("Vault", &label);
  }
  // Where the named icon was put, or nothing when it was not drawn.
  std::optional<platform::Vector3> PlaceOf(const char* name) {
    GUISpriteElement* icon = graphics->GetGUI()->GetSpriteElements().Get(name);
    if (!icon || !icon->worldPositioned) return std::nullopt;
    return icon->worldPosition;
  }
  static void ExpectAt(const std::optional<platform::Vector3>& at, float x, float y, float z) {
    ASSERT_TRUE(at.has_value());
    EXPECT_FLOAT_EQ(at->x, x);
    EXPECT_FLOAT_EQ(at->y, y);
    EXPECT_FLOAT_EQ(at->z, z);
  }

  GUISpriteElement label;
};

TEST_F(StateIconsTest, TheDemoCarriesEveryMarkerWithItsPicture) {
  for (const char* name : {"sleeping", "surprise", "confused", "Dropoff", "ToLobby", "ToGallery", "ToVault"}) {
    GUISpriteElement* icon = graphics->GetGUI()->GetSpriteElements().Get(name);
    ASSERT_NE(icon, nullptr) << name;
    EXPECT_TRUE(icon->texture) << name;
  }
}

TEST_F(StateIconsTest, GuardsShowWhatTheyAreDoingAboveTheirHeads) {
  game.guards = {{{10, 20, 30}, true, "sleep"},
                 {{40, 50, 60}, true, "confuse"},
                 {{70, 80, 90}, false, "surprise"},
                 {{1, 2, 3}, true, "patrol"}};
  DrawStateIcons();
  ExpectAt(PlaceOf("sleeping"), 10, 20, 190);
  ExpectAt(PlaceOf("confused"), 40, 50, 220);
  // A guard whose model was not drawn shows nothing; neither does an action without an icon.
  EXPECT_FALSE(PlaceOf("surprise").has_value());
}

TEST_F(StateIconsTest, VisibleTeleportersShowTheirLabelAndDropOffsTheirSign) {
  game.teleporters = {{{100, 0, 0}, true, "Vault"}, {{200, 0, 0}, true, "Nowhere"}};
  game.dropoffs = {{{0, 300, 10}, false, ""}};
  DrawStateIcons();
  ExpectAt(PlaceOf("Vault"), 100, 0, 50);
  EXPECT_FLOAT_EQ(label.center.x, 128.0f);
  EXPECT_FALSE(PlaceOf("Dropoff").has_value());
  game.dropoffs[0].visible = true;
  DrawStateIcons();
  ExpectAt(PlaceOf("Dropoff"), 0, 300, 60);
}

TEST_F(StateIconsTest, NothingShowsUnderTheOverlayInTheTransitionOrWithoutAGame) {
  game.guards = {{{10, 20, 30}, true, "sleep"}};
  game.dropoffs = {{{0, 0, 0}, true, ""}};
  game.overlay = true;
  DrawStateIcons();
  game.overlay = false;
  graphics->StartTransition();
  DrawStateIcons();
  graphics->SetHudGame(nullptr);
  DrawStateIcons();
  EXPECT_FALSE(PlaceOf("sleeping").has_value());
  EXPECT_FALSE(PlaceOf("Dropoff").has_value());
}

}  // namespace
