#include <gtest/gtest.h>

#include <filesystem>

#include "entities/Teleporter.h"
#include "entities/TripLaser.h"
#include "player/Player.h"
#include "physics/Physics.h"
#include "tests/graphics/GoldenImage.h"
#include "tests/logic/LogicTestSupport.h"

namespace {

namespace fs = std::filesystem;

// A game in the demo museum with every real system but sound; the laser pictures are seen from
// a camera of the test's own in the lobby's north corridor, looking north at the laser across
// it.
class GameSceneTest : public MenuTest {
 protected:
  void SetUp() override {
    CopyDemoMaps();
    fs::copy_file(fs::path(VR_GENERATED_DIR) / "Data" / "Museummaps.xml", DataFile("Museummaps.xml"));
    fs::copy_file(fs::path(VR_DATA_DIR) / "Data" / "MuseumItems.xml", DataFile("MuseumItems.xml"));
    fs::copy(fs::path(VR_GENERATED_DIR) / "models", "models", fs::copy_options::recursive);
    StartMenus([] { return new Physics(); });
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

TEST_F(GameSceneTest, ABeamCrossesTheCorridorAndBlinksWhileAlarmed) {
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

// The lobby's door stands in the Egyptian room, 64 units from the north wall.
TEST_F(GameSceneTest, ADoorsSignShowsWhileTheThiefSeesItAndASecretDoorNever) {
  Teleporter* door = nullptr;
  for (Entity& entity : *GetLogic()->GetEntities(Teleporter::kClassName))
    if (static_cast<Teleporter&>(entity).targetName == "lobbyToGallery") door = static_cast<Teleporter*>(&entity);
  ASSERT_NE(door, nullptr);
  auto* thief = dynamic_cast<Player*>(GetLogic()->GetPlayerEntity());
  ASSERT_NE(thief, nullptr);
  thief->physical.SetPosition(door->basePosition + platform::Vector3{0, 200, 0});
  Camera* camera = graphics->GetActiveCamera();
  ASSERT_NE(camera, nullptr);
  auto lookAtDoor = [&] {
    camera->position = door->basePosition + platform::Vector3{0, 300, 60};
    camera->direction = platform::Vec3Normalize({0, -1, -0.2f});
  };
  std::vector<PlaceMark> marks;
  for (int i = 0; i < 40 && !door->visible; ++i) {
    lookAtDoor();
    Frame(0.05);
  }
  EXPECT_TRUE(door->visible);
  GetLogic()->GetTeleporters(marks);
  bool shown = false;
  for (const PlaceMark& mark : marks) shown = shown || (mark.visible && mark.label == "ToGallery");
  EXPECT_TRUE(shown);

  door->label = Teleporter::kSecretLabel;
  for (int i = 0; i < 10; ++i) {
    lookAtDoor();
    Frame(0.05);
  }
  EXPECT_FALSE(door->visible);
  EXPECT_EQ(door->model.visible, 0) << "no arrow either";
}

// Arriving in the gallery, the user's thief looks away from the west wall its door stands by.
TEST_F(GameSceneTest, TheUsersCameraLooksAwayFromTheWallAtTheArrival) {
  Teleporter* door = nullptr;
  for (Entity& entity : *GetLogic()->GetEntities(Teleporter::kClassName))
    if (static_cast<Teleporter&>(entity).targetName == "lobbyToGallery") door = static_cast<Teleporter*>(&entity);
  ASSERT_NE(door, nullptr);
  Camera* camera = graphics->GetActiveCamera();
  ASSERT_NE(camera, nullptr);
  door->Teleport(GetLogic()->GetPlayerEntity()->GetId());
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 1);
  EXPECT_NEAR(camera->direction.x, 1.0f, 1e-4f);
  EXPECT_NEAR(camera->direction.y, 0.0f, 1e-4f);
  // The wall is behind the thief now, nearer than the camera stood: the camera stays in the room.
  GetLogic()->EndMapFlyThrough();
  for (int frame = 0; frame < 5; ++frame) {
    Frame(0.05);
    const platform::Vector3 thief = GetLogic()->GetPlayerEntity()->Find<PhysicalComp>()->GetPosition();
    const platform::Vector3 pivot = thief + platform::Vector3{0, 0, 50};
    const platform::Vector3 way = camera->position - pivot;
    RayHit hit;
    const bool wall = Engine::Get()->GetPhysics()->RayCast(pivot.x, pivot.y, pivot.z, way.x, way.y, way.z, &hit);
    EXPECT_TRUE(!wall || hit.distance > platform::Vec3Length(way)) << "frame " << frame;
  }
}

}  // namespace
