#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/ConsoleWindow.h"
#include "input/ControlMap.h"
#include "map/BspMap.h"
#include "tests/logic/LogicTestSupport.h"

namespace {

class MuseumMapsTest : public MenuTest {
 protected:
  MuseumMapsTest() {
    CopyDemoMaps();
    // Records are found by the names of the map list.
    std::ofstream(DataFile("MapChangeInfo.xml"))
        << "<?xml version=\"1.0\"?>\n<list><var><string name=\"MapName\">gallery.bsp</string>"
           "<string name=\"Shader\">Gallery</string><var name=\"Ambient\"><float name=\"0\">0.1</float>"
           "<float name=\"1\">0.2</float><float name=\"2\">0.3</float><float name=\"3\">1</float></var></var></list>";
  }
};

TEST_F(MuseumMapsTest, TheGraphicsDrawTheCurrentMapWithItsChangeRecord) {
  StartMenus();
  Logic* logic = GetLogic();
  logic->GetMaps().Load({"lobby.bsp", "gallery.bsp"});
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);

  ASSERT_TRUE(logic->SetCurrentMap(0));
  EXPECT_EQ(graphics->GetCurrentMap(), Engine::Get()->GetCurrentMap());
  EXPECT_EQ(graphics->GetCurrentMap()->GetPath(), "Maps/lobby.bsp");
  EXPECT_EQ(graphics->GetMapEffectName(), "Outside");

  ASSERT_TRUE(logic->SetCurrentMap(1));
  EXPECT_EQ(graphics->GetCurrentMap()->GetPath(), "Maps/gallery.bsp");
  EXPECT_EQ(graphics->GetMapEffectName(), "Gallery");
  EXPECT_FLOAT_EQ(graphics->GetAmbient().g, 0.2f);

  ASSERT_TRUE(logic->SetCurrentMap(-1));
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);
  EXPECT_FALSE(Engine::Get()->GetCurrentMap()->IsLoaded());
  EXPECT_FALSE(logic->SetCurrentMap(2));
  EXPECT_EQ(logic->GetCurrentMapIndex(), -1);
}

// A map that cannot be read ends the loading; loading again starts from an empty list, so every
// map's index is its place in the list.
TEST_F(MuseumMapsTest, LoadingAgainAfterAFailureStartsAfresh) {
  StartMenus();
  Logic* logic = GetLogic();
  EXPECT_ANY_THROW(logic->GetMaps().Load({"lobby.bsp", "nosuch.bsp", "gallery.bsp"}));
  ASSERT_EQ(logic->GetMaps().GetCount(), 2u);
  ASSERT_TRUE(logic->SetCurrentMap(1));
  EXPECT_FALSE(Engine::Get()->GetCurrentMap()->IsLoaded());
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);
  ASSERT_TRUE(logic->SetCurrentMap(0));

  logic->GetMaps().Load({"lobby.bsp", "gallery.bsp", "vault.bsp"});
  ASSERT_EQ(logic->GetMaps().GetCount(), 3u);
  EXPECT_EQ(logic->GetCurrentMapIndex(), -1);
  EXPECT_EQ(graphics->GetCurrentMap(), nullptr);
  for (int32_t i = 0; i < 3; ++i) {
    ASSERT_TRUE(logic->SetCurrentMap(i));
    EXPECT_EQ(Engine::Get()->GetCurrentMap()->GetMapIndex(), i);
    EXPECT_EQ(Engine::Get()->GetCurrentMap()->GetPath(), "Maps/" + logic->GetMaps().GetName(i));
  }
}

// A damaged map refuses the start that the loading screen waits for: the player is given the
// main menu back with the console open on the reason, and closing it leaves the menu controls.
TEST_F(MuseumMapsTest, AStartRefusedByADamagedMapGivesTheMainMenuBackWithTheReasonShown) {
  std::filesystem::resize_file("Maps/gallery.bsp", 100);
  std::ofstream(DataFile("Museummaps.xml"))
      << "<?xml version=\"1.0\"?>\n<list><string>lobby.bsp</string><string>gallery.bsp</string></list>";
  StartMenus();
  ShowAtOnce("Loading");
  GetLogic()->RequestStart();
  Frame(0.01);
  EXPECT_FALSE(GetLogic()->IsInGame());
  EXPECT_TRUE(IsCurrent("MainMenu"));
  const std::vector<std::string> lines = ConsoleLines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().rfind("Could not load map. ", 0), 0u) << lines.back();
  EXPECT_EQ(Engine::Get()->GetConsole()->GetWindow()->Lines().back().second, Console::kRed);
  EXPECT_TRUE(Engine::Get()->GetConsole()->IsVisible());

  TapKey(0x29);  // the grave key closes the console
  Frame(0.01);
  EXPECT_FALSE(Engine::Get()->GetConsole()->IsVisible());
  EXPECT_TRUE(Engine::Get()->GetInputFocus()->FindScheme("Null").Get()->Find<ControlMap>()->IsActive());
}

}  // namespace
