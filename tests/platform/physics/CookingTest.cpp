#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "tests/platform/physics/PhysicsWorld.h"

namespace physics_test {
namespace {

MeshBuilder Stairs() { return MeshBuilder().AddStairs(0, 16, 40, 3, 100); }

TEST(Cooking, WritesTmpBinAndReadsItBack) {
  TempDir dir;
  const MeshBuilder stairs = Stairs();
  {
    PhysicsFileStream out("tmp.bin", false);
    const CookResult result = CookTriangleMesh(stairs.Desc(), out);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.triangles, 36u);
    EXPECT_TRUE(out.Close());
  }
  ASSERT_TRUE(TempDir::Exists(dir / "tmp.bin"));
  PhysicsFileStream in("tmp.bin", true);
  auto mesh = TriangleMesh::Read(in);
  ASSERT_NE(mesh, nullptr);
  EXPECT_EQ(mesh->GetNbTriangles(), 36u);
  EXPECT_EQ(mesh->GetNbVertices(), 24u);
  EXPECT_TRUE(TempDir::Exists(dir / "tmp.bin"));
}

// The mesh keeps its own arrays: the caller's may go right after cooking.
TEST(Cooking, MeshOutlivesTheCallersArrays) {
  PhysicsWorld world;
  Actor* floor;
  {
    MeshBuilder temporary;
    temporary.AddBox({-100, -100, -10}, {100, 100, 0});
    floor = world.AddMesh(temporary);
    temporary.vertices.assign(temporary.vertices.size(), Vec3{1e9f, 1e9f, 1e9f});
  }
  RaycastHit hit;
  EXPECT_EQ(world.scene->RaycastClosestShape({{0, 0, 50}, {0, 0, -1}}, kAllShapes, hit), floor->GetShapes()[0]);
}

TEST(Cooking, DropsAndCountsBadTriangles) {
  MeshBuilder mesh = MeshBuilder().AddBox({0, 0, 0}, {10, 10, 10});
  mesh.vertices.push_back({NAN, 0, 0});
  const uint32_t nan = static_cast<uint32_t>(mesh.vertices.size() - 1);
  for (uint32_t i : {0u, 1u, 99u, 0u, 0u, 1u, 0u, 1u, nan, 500u, 1u, 2u}) mesh.indices.push_back(i);
  mesh.vertices.push_back({5, 0, 0});  // on the line through vertices 0 and 1
  for (uint32_t i : {0u, 1u, nan + 1}) mesh.indices.push_back(i);
  PhysicsMemoryStream stream;
  const CookResult result = CookTriangleMesh(mesh.Desc(), stream);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.triangles, 12u);
  EXPECT_EQ(result.droppedOutOfRange, 2u);
  EXPECT_EQ(result.droppedDegenerate, 3u);
  auto cooked = TriangleMesh::Read(stream);
  ASSERT_NE(cooked, nullptr);
  EXPECT_EQ(cooked->GetNbTriangles(), 12u);
}

TEST(Cooking, RefusesMalformedDescriptions) {
  PhysicsMemoryStream stream;
  TriangleMeshDesc desc = Stairs().Desc();
  desc.points = nullptr;
  EXPECT_FALSE(CookTriangleMesh(desc, stream).ok);
  desc = Stairs().Desc();
  desc.triangleStrideBytes = 8;
  const CookResult result = CookTriangleMesh(desc, stream);
  EXPECT_FALSE(result.ok);
  EXPECT_FALSE(result.error.empty());
}

TEST(Cooking, EmptyMeshGivesNoActor) {
  PhysicsWorld world;
  EXPECT_EQ(world.AddMesh(MeshBuilder()), nullptr);
}

TEST(Cooking, UnwritableWorkingFolderFailsCleanly) {
  TempDir dir;
  const std::string gone = dir / "gone";
  std::filesystem::create_directory(gone);
  ASSERT_EQ(chdir(gone.c_str()), 0);
  std::filesystem::remove(gone);  // the working folder no longer exists: nothing can be created
  {
    PhysicsFileStream out("tmp.bin", false);
    const CookResult result = CookTriangleMesh(Stairs().Desc(), out);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    PhysicsFileStream in("tmp.bin", true);
    std::string error;
    EXPECT_EQ(TriangleMesh::Read(in, &error), nullptr);
    EXPECT_FALSE(error.empty());
  }
  ASSERT_EQ(chdir(dir.Path().c_str()), 0);
}

TEST(Cooking, TruncatedAndForeignStreamsAreRefused) {
  PhysicsMemoryStream good;
  CookTriangleMesh(Stairs().Desc(), good);
  for (size_t size : {0ul, 3ul, 16ul, good.Bytes().size() - 1}) {
    PhysicsMemoryStream cut(std::vector<uint8_t>(good.Bytes().begin(), good.Bytes().begin() + size));
    std::string error;
    EXPECT_EQ(TriangleMesh::Read(cut, &error), nullptr) << size;
    EXPECT_FALSE(error.empty());
  }
  std::vector<uint8_t> other = good.Bytes();
  other[0] ^= 0xFF;
  PhysicsMemoryStream foreign(other);
  EXPECT_EQ(TriangleMesh::Read(foreign), nullptr);
}

// Seeded damage to a cooked stream: the reader refuses or gives a mesh whose every index is
// in range; it never crashes or allocates past what the stream holds.
TEST(Cooking, DamagedStreamsNeverCrash) {
  PhysicsMemoryStream good;
  CookTriangleMesh(Stairs().Desc(), good);
  uint32_t seed = 12345;
  const auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 8); };
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> bytes = good.Bytes();
    const int flips = 1 + next() % 4;
    for (int i = 0; i < flips; ++i) bytes[next() % bytes.size()] = static_cast<uint8_t>(next());
    if (next() % 4 == 0) bytes.resize(next() % bytes.size());
    PhysicsMemoryStream damaged(bytes);
    auto mesh = TriangleMesh::Read(damaged);
    if (!mesh) continue;
    for (uint32_t i = 0; i < mesh->GetNbTriangles() * 3; ++i)
      ASSERT_LT(mesh->GetTriangles()[i], mesh->GetNbVertices());
  }
}

}  // namespace
}  // namespace physics_test
