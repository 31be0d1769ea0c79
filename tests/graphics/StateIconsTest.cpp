// The 3-D markers over guards, teleporters and drop-offs: which sprite goes where, and what
// keeps a marker away.
#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "graphics/gui/StateIcons.h"
#include "tests/graphics/HudTestSupport.h"

namespace {

class StateIconsTest : public HudTest {
 protected:
  // The GUI points at the icons until the engine is gone.
  ~StateIconsTest() override { Stop(); }
  void SetUp() override {
    StartHud();
    for (const char* name : {"sleeping", "surprise", "confused", "Vault", "Dropoff"}) {
      icons.emplace_back();
      graphics->GetGUI()->GetSpriteElements().Add(name, &icons.back());
    }
  }
  // Where the named icon was put, or nothing when it was not drawn.
  std::optional<platform::Vector3> PlaceOf(size_t icon) const {
    if (!icons[icon].worldPositioned) return std::nullopt;
    return icons[icon].worldPosition;
  }
  static void ExpectAt(const std::optional<platform::Vector3>& at, float x, float y, float z) {
    ASSERT_TRUE(at.has_value());
    EXPECT_FLOAT_EQ(at->x, x);
    EXPECT_FLOAT_EQ(at->y, y);
    EXPECT_FLOAT_EQ(at->z, z);
  }

  std::deque<GUISpriteElement> icons;
};

TEST_F(StateIconsTest, GuardsShowWhatTheyAreDoingAboveTheirHeads) {
  game.guards = {{{10, 20, 30}, true, "sleep"},
                 {{40, 50, 60}, true, "confuse"},
                 {{70, 80, 90}, false, "surprise"},
                 {{1, 2, 3}, true, "patrol"}};
  DrawStateIcons();
  ExpectAt(PlaceOf(0), 10, 20, 190);
  ExpectAt(PlaceOf(2), 40, 50, 220);
  // A guard whose model was not drawn shows nothing; neither does an action without an icon.
  EXPECT_FALSE(PlaceOf(1).has_value());
}

TEST_F(StateIconsTest, VisibleTeleportersShowTheirLabelAndDropOffsTheirSign) {
  game.teleporters = {{{100, 0, 0}, true, "Vault"}, {{200, 0, 0}, true, "Nowhere"}};
  game.dropoffs = {{{0, 300, 10}, false, ""}};
  DrawStateIcons();
  ExpectAt(PlaceOf(3), 100, 0, 50);
  EXPECT_FLOAT_EQ(icons[3].center.x, 128.0f);
  EXPECT_FALSE(PlaceOf(4).has_value());
  game.dropoffs[0].visible = true;
  DrawStateIcons();
  ExpectAt(PlaceOf(4), 0, 300, 60);
}

TEST_F(StateIconsTest, NothingShowsUnderTheOverlayOrWithoutAGame) {
  game.guards = {{{10, 20, 30}, true, "sleep"}};
  game.dropoffs = {{{0, 0, 0}, true, ""}};
  game.overlay = true;
  DrawStateIcons();
  graphics->SetHudGame(nullptr);
  DrawStateIcons();
  EXPECT_FALSE(PlaceOf(0).has_value());
  EXPECT_FALSE(PlaceOf(4).has_value());
}

}  // namespace
