#include <gtest/gtest.h>

#include <filesystem>

#include "map/BspMap.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

class GraphicsMapTest : public GraphicsFixture {
 protected:
  GraphicsMapTest() {
    std::filesystem::create_directory("Maps");
    std::filesystem::copy_file(std::filesystem::path(VR_GENERATED_DIR) / "Maps" / "lobby.bsp", "Maps/lobby.bsp");
    lobby.Load("Maps/lobby.bsp");
  }

  BspMap lobby;
};

// The game may name a map before the graphics have a device (or after they lost it), and a map
// whose file failed stays empty: neither reaches the graphics card.
TEST_F(GraphicsMapTest, OnlyALoadedMapOnALiveDeviceBecomesCurrent) {
  ASSERT_TRUE(lobby.IsLoaded());
  {
    Graphics early;
    early.SetCurrentMap(&lobby);
    EXPECT_EQ(early.GetCurrentMap(), nullptr);
  }
  StartGraphics();
  BspMap empty;
  graphics->SetCurrentMap(&empty);
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);
  graphics->SetCurrentMap(&lobby);
  EXPECT_EQ(graphics->GetCurrentMap(), &lobby);
  graphics->Shutdown();
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr) << "released with the device";
}

}  // namespace
