#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "entities/Teleporter.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

class TeleporterTest : public LevelTest {
 protected:
  // The game's teleporters by their "targetname".
  std::map<std::string, Teleporter*> ByName() {
    std::map<std::string, Teleporter*> byName;
    for (Teleporter* t : All<Teleporter>()) byName[t->targetName] = t;
    return byName;
  }
  // Rewrites one "target" key of a demo map to another name of the same length, so the map's
  // lumps keep their places.
  static void Retarget(const std::string& map, const std::string& from, const std::string& to) {
    ASSERT_EQ(from.size(), to.size());
    const std::string path = "Maps/" + map;
    std::string bytes;
    {
      std::ifstream in(path, std::ios::binary);
      bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const size_t at = bytes.find("\"target\" \"" + from + "\"");
    ASSERT_NE(at, std::string::npos) << path;
    bytes.replace(at + 10, from.size(), to);
    std::ofstream(path, std::ios::binary) << bytes;
  }
  TestThief* ComputerThief() {
    auto* thief = static_cast<TestThief*>(Engine::Get()->GetEntityManager()->Create("Player"));
    thief->info.kind = "thief";
    return thief;
  }
};

TEST_F(TeleporterTest, TargetsResolveAcrossTheMapsAndEveryDoorSoundsTheSame) {
  StartGame();
  std::map<std::string, Teleporter*> byName = ByName();
  ASSERT_EQ(byName.size(), 4u);
  const std::pair<const char*, const char*> links[] = {{"lobbyToGallery", "galleryToLobby"},
                                                       {"galleryToLobby", "lobbyToGallery"},
                                                       {"galleryToVault", "vaultToGallery"},
                                                       {"vaultToGallery", "galleryToVault"}};
  for (const auto& [name, target] : links) {
    SCOPED_TRACE(name);
    Teleporter* teleporter = byName.at(name);
    EXPECT_EQ(teleporter->GetTarget(), byName.at(target));
    EXPECT_EQ(teleporter->cameraPathName, name);
    EXPECT_EQ(teleporter->sfxName, "deny");
    EXPECT_EQ(teleporter->banned, 0);
  }
  EXPECT_EQ(byName.at("lobbyToGallery")->label, "ToGallery");
  EXPECT_EQ(byName.at("galleryToVault")->mapIndex.mapIndex, 1u);
  EXPECT_EQ(byName.at("vaultToGallery")->mapIndex.mapIndex, 2u);
}

TEST_F(TeleporterTest, TheUserArrivesInTheTargetsMapStandingOffTheNearestWall) {
  StartGame();
  std::map<std::string, Teleporter*> byName = ByName();
  Teleporter* door = byName.at("lobbyToGallery");
  Teleporter* arrival = byName.at("galleryToLobby");
  Thief()->physical.SetPosition(door->basePosition);
  Frame();
  ASSERT_EQ(Thief()->info.teleporter.Get(), door);

  const platform::Vector3 marker = arrival->physical.GetPosition();
  door->Teleport(Thief()->GetId());
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 1);
  Frame();  // the body moves before the physics step
  EXPECT_EQ(Thief()->mapIndex.mapIndex, 1u);
  // The gallery's door stands 96 units from the west wall, its nearest: the thief lands east.
  const platform::Vector3 landed = Thief()->physical.GetPosition();
  EXPECT_NEAR(landed.x, marker.x + 50.0f, 0.01f);
  EXPECT_NEAR(landed.y, marker.y, 0.01f);
  EXPECT_NEAR(landed.z, marker.z, 2.0f) << "it may have begun to fall";
}

TEST_F(TeleporterTest, AComputerThiefLandsOnTheMarkerAndTheCurrentMapStays) {
  StartGame();
  std::map<std::string, Teleporter*> byName = ByName();
  TestThief* computer = ComputerThief();
  Teleporter* arrival = byName.at("vaultToGallery");
  const platform::Vector3 marker = arrival->physical.GetPosition();
  byName.at("galleryToVault")->Teleport(computer);
  Frame();
  EXPECT_NEAR(platform::Vec3Length(computer->physical.GetPosition() - marker), 0.0f, 2.0f);
  EXPECT_EQ(computer->mapIndex.mapIndex, 2u);
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 0);

  // Neither a body without a thief's record nor a thief that is gone is moved.
  const platform::Vector3 before = arrival->physical.GetPosition();
  byName.at("galleryToVault")->Teleport(arrival);
  byName.at("galleryToVault")->Teleport(uint32_t{999999});
  EXPECT_EQ(arrival->physical.GetPosition(), before);
}

TEST_F(TeleporterTest, ADanglingTargetRemovesItsTeleporterAndASharedTargetServesTheLaterOne) {
  Retarget("gallery.bsp", "vaultToGallery", "nowhereXGallry");
  Retarget("vault.bsp", "galleryToVault", "galleryToLobby");
  StartGame();
  Frame();
  std::map<std::string, Teleporter*> byName = ByName();
  EXPECT_EQ(byName.count("galleryToVault"), 0u) << "its target names nothing";
  EXPECT_EQ(byName.at("vaultToGallery")->GetTarget(), byName.at("galleryToLobby"));
  EXPECT_EQ(byName.at("lobbyToGallery")->GetTarget(), nullptr) << "the later vault door took its target";
  EXPECT_EQ(byName.at("galleryToLobby")->GetTarget(), byName.at("lobbyToGallery"));

  // A door without a target stays, and takes no one anywhere.
  Thief()->physical.SetPosition(byName.at("lobbyToGallery")->basePosition);
  byName.at("lobbyToGallery")->Teleport(Thief()->GetId());
  EXPECT_EQ(GetLogic()->GetCurrentMapIndex(), 0);
  EXPECT_EQ(Thief()->mapIndex.mapIndex, 0u);
}

}  // namespace
