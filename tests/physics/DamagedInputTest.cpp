// Seeded mutations of the physics data files and of map faces: whatever they hold, loading and
// cooking finish, log what they refuse and never crash.
#include <random>

#include "physics/InterpNodes.h"
#include "physics/MapCollision.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

std::string Mutate(std::string text, std::mt19937& random) {
  const int edits = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < edits && !text.empty(); ++i) {
    const size_t at = random() % text.size();
    switch (random() % 3) {
      case 0: text[at] = static_cast<char>(random() % 256); break;
      case 1: text.erase(at, 1 + random() % 16); break;
      default: text.insert(at, text.substr(random() % text.size(), random() % 24)); break;
    }
  }
  return text;
}

using DamagedInputTest = PhysicsTest;

TEST_F(DamagedInputTest, MutatedSettingsAndPathFilesLoadWithoutHarm) {
  StartPhysics();
  const std::string paths = TempDir::Read(std::string(VR_DATA_DIR) + "/Data/InterpNodes.xml");
  const std::string settings = TempDir::Read(std::string(VR_DATA_DIR) + "/Data/PhysicsConfig.xml");
  std::mt19937 random(20261206);
  for (int i = 0; i < 200; ++i) {
    TempDir::Write("paths.xml", Mutate(paths, random));
    InterpNodeTable table;
    LoadInterpNodes(table, "paths.xml");
    for (const auto& [name, nodes] : table) EXPECT_LE(nodes.size(), 64u) << name;
    TempDir::Write("settings.xml", Mutate(settings, random));
    PhysicsSettings loaded;
    LoadPhysicsSettings(loaded, "settings.xml");
  }
}

TEST_F(DamagedInputTest, MapsWithDamagedFacesCookWhatIsSound) {
  StartPhysics();
  WorldBuilder world;
  world.AddBox({-500, -500, -10}, {500, 500, 0}).AddBox({-50, -50, 0}, {50, 50, 100}, "textures/test/pillar");
  std::mt19937 random(7);
  MapCollision collision;
  for (int i = 0; i < 100; ++i) {
    WorldBuilder damaged = world;
    BspData& map = damaged.map;
    for (int e = 0; e < 4; ++e) {
      BspFace& face = map.faces[random() % map.faces.size()];
      int32_t* fields[] = {&face.texture, &face.firstVertex, &face.firstMeshVertex, &face.meshVertexCount};
      *fields[random() % 4] = static_cast<int32_t>(random()) >> (random() % 31);
      map.meshVertices[random() % map.meshVertices.size()] = static_cast<int32_t>(random());
      map.vertices[random() % map.vertices.size()].position[random() % 3] = (random() % 2) ? NAN : 1e30f;
    }
    collision.CookWorldMesh(map);
    RayHit hit;
    physics->RayCast(200, 200, 300, 0, 0, -1, &hit);
  }
}

}  // namespace
