// Seeded mutations of the physics data files and of map faces: whatever they hold, loading and
// cooking finish, log what they refuse and never crash.
#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <set>

#include "physics/InterpNodes.h"
#include "physics/MapCollision.h"
#include "platform/physics/Stream.h"
#include "platform/physics/TriangleMesh.h"
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

// A triangle by its corners, in a fixed order: the cooking may renumber and share vertices.
using Corners = std::array<std::array<float, 3>, 3>;

void AddFaceTriangles(const BspData& map, const BspFace& face, std::set<Corners>& triangles) {
  for (int32_t j = 0; j + 2 < face.meshVertexCount; j += 3) {
    Corners t;
    for (size_t k = 0; k < 3; ++k) {
      const int32_t offset = map.meshVertices[size_t(face.firstMeshVertex + j) + k];
      const BspVertex& v = map.vertices[size_t(face.firstVertex + offset)];
      t[k] = {v.position[0], v.position[1], v.position[2]};
    }
    std::sort(t.begin(), t.end());
    triangles.insert(t);
  }
}

// The mesh the last cook wrote, read back as the world reads it.
std::set<Corners> CookedTriangles() {
  namespace pp = platform::physics;
  pp::PhysicsFileStream in(kCookedMeshPath, true);
  std::shared_ptr<pp::TriangleMesh> mesh = pp::TriangleMesh::Read(in);
  std::set<Corners> triangles;
  if (!mesh) return triangles;
  const uint32_t* indices = mesh->GetTriangles();
  for (uint32_t i = 0; i < 3 * mesh->GetNbTriangles(); i += 3) {
    Corners t;
    for (uint32_t k = 0; k < 3; ++k) {
      EXPECT_LT(indices[i + k], mesh->GetNbVertices());
      const pp::Vec3& v = mesh->GetVertices()[indices[i + k]];
      t[k] = {v.x, v.y, v.z};
    }
    std::sort(t.begin(), t.end());
    triangles.insert(t);
  }
  return triangles;
}

// Each round damages face fields, mesh-vertex offsets and vertex positions. Every face the
// damage left alone is cooked whole, and no corner the damage made unusable is cooked.
TEST_F(DamagedInputTest, MapsWithDamagedFacesCookWhatIsSound) {
  StartPhysics();
  WorldBuilder world;
  world.AddBox({-500, -500, -10}, {500, 500, 0}).AddBox({-50, -50, 0}, {50, 50, 100}, "textures/test/pillar");
  std::mt19937 random(7);
  MapCollision collision;
  size_t soundTriangles = 0;
  for (int i = 0; i < 100; ++i) {
    WorldBuilder damaged = world;
    BspData& map = damaged.map;
    std::set<size_t> faces, meshVertices, vertices;
    for (int e = 0; e < 4; ++e) {
      const size_t f = random() % map.faces.size();
      faces.insert(f);
      BspFace& face = map.faces[f];
      int32_t* fields[] = {&face.texture, &face.firstVertex, &face.firstMeshVertex, &face.meshVertexCount};
      *fields[random() % 4] = static_cast<int32_t>(random()) >> (random() % 31);
      const size_t m = random() % map.meshVertices.size();
      meshVertices.insert(m);
      map.meshVertices[m] = static_cast<int32_t>(random());
      const size_t v = random() % map.vertices.size();
      vertices.insert(v);
      map.vertices[v].position[random() % 3] = (random() % 2) ? NAN : 1e30f;
    }
    std::set<Corners> sound;
    for (size_t f = 0; f < map.faces.size(); ++f) {
      const BspFace& face = world.map.faces[f];
      bool touched = faces.count(f) > 0;
      for (int32_t k = 0; k < face.meshVertexCount; ++k) {
        const size_t m = size_t(face.firstMeshVertex + k);
        touched |= meshVertices.count(m) > 0 || vertices.count(size_t(face.firstVertex + world.map.meshVertices[m])) > 0;
      }
      if (!touched) AddFaceTriangles(world.map, face, sound);
    }
    soundTriangles += sound.size();

    ASSERT_TRUE(collision.CookWorldMesh(map)) << "round " << i;
    const std::set<Corners> cooked = CookedTriangles();
    for (const Corners& t : sound) EXPECT_TRUE(cooked.count(t)) << "round " << i << ": a sound triangle is missing";
    for (const Corners& t : cooked)
      for (const auto& corner : t)
        for (float c : corner) EXPECT_TRUE(std::isfinite(c)) << "round " << i << ": a broken corner was cooked";
    RayHit hit;
    physics->RayCast(200, 200, 300, 0, 0, -1, &hit);
  }
  EXPECT_GT(soundTriangles, 500u) << "the damage left too little to check";
}

}  // namespace
