#include <gtest/gtest.h>

#include <filesystem>

#include "entities/TripLaser.h"
#include "physics/Physics.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/logic/LogicTestSupport.h"

namespace {

namespace fs = std::filesystem;

// A game in the demo museum with every real system but sound, seen from a camera of the test's
// own in the lobby's north corridor, looking north at the laser across it.
class LaserSceneTest : public MenuTest {
 protected:
  void SetUp() override {
    CopyDemoMaps();
    fs::copy_file(fs::path(VR_GENERATED_DIR) / "Data" / "Museummaps.xml", DataFile("Museummaps.xml"));
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / "MuseumItems.xml", DataFile("MuseumItems.xml"));
    fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", fs::copy_options::recursive);
    SystemFactories systems = RecordingSystems();
    systems.graphics = [] { return new Graphics(); };
    systems.input = ScriptedInput(&backend);
    systems.logic = [] { return new Logic(RegisterGameClasses); };
    systems.physics = [] { return new Physics(); };
    Engine::Instance()->Init(systems);
    ConnectGameSystems(*Engine::Get());
    graphics = Engine::Get()->GetGraphics();
    GetLogic()->StartGame();
    GetLogic()->EndMapFlyThrough();
    ASSERT_TRUE(GetLogic()->IsInGame());
    SetVariable("BlurOn", false);
    graphics->ChangeGUIScreen("Blank", 0.0f);
    for (Entity& entity : *GetLogic()->GetEntities(TripLaser::kClassName)) {
      auto* each = static_cast<TripLaser*>(&entity);
      const platform::Vector3 at = each->physical.GetPosition();
      if (each->mapIndex.mapIndex == 0 && at.y < -700 && at.y > -800) laser = each;
    }
    ASSERT_NE(laser, nullptr);
    view.position = {410, -560, 70};
    view.direction = platform::Vec3Normalize({-0.15f, -1, -0.12f});
  }
  void TearDown() override { graphics->SetActiveCamera(nullptr); }

  // A frame of the game seen from the test's camera.
  void Show() {
    graphics->SetActiveCamera(&view);
    Frame(0.01);
  }
  void ExpectGolden(const char* name) {
    std::string message;
    EXPECT_TRUE(MatchesGolden(*graphics->GetDevice(), name, 8, 0.99, &message)) << message;
  }

  Camera view;
  TripLaser* laser = nullptr;
};

TEST_F(LaserSceneTest, ABeamCrossesTheCorridorAndBlinksWhileAlarmed) {
  Show();
  Show();
  ExpectGolden("laser_beam");
  const std::vector<uint8_t> armed = graphics->GetDevice()->ReadPixels({0, 0, 1024, 768});

  // Alarmed, in the blink's dark half.
  laser->alarmed = 1;
  laser->blinkPhase = 0;
  laser->blinkTimer = 0;
  Show();
  const std::vector<uint8_t> dark = graphics->GetDevice()->ReadPixels({0, 0, 1024, 768});
  EXPECT_LT(AlikeShare(dark, armed, 0), 1.0) << "the beam is gone";
  laser->blinkPhase = 1;
  laser->blinkTimer = 0;
  Show();
  EXPECT_GT(AlikeShare(graphics->GetDevice()->ReadPixels({0, 0, 1024, 768}), armed, 8), 0.99) << "and back";
}

}  // namespace
