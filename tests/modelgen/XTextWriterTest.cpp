#include <gtest/gtest.h>

#include <cmath>

#include "platform/xfile/Model.h"
#include "tools/modelgen/Rotation.h"
#include "tools/modelgen/XTextWriter.h"

using namespace platform::xfile;
using namespace modelgen;

namespace {

void ExpectNear(const Vec3& a, const Vec3& b, float tolerance = 1e-5f) {
  EXPECT_NEAR(a.x, b.x, tolerance);
  EXPECT_NEAR(a.y, b.y, tolerance);
  EXPECT_NEAR(a.z, b.z, tolerance);
}

// Root > {Skin (mesh), Bone > Tip}; two bones weight a quad; sets "First" and "Second".
Model SmallSkinnedModel() {
  Model m;
  m.frames.resize(4);
  m.frames[0].name = "Root";
  m.frames[0].children = {1, 2};
  m.frames[1].name = "Skin";
  m.frames[1].parent = 0;
  m.frames[1].meshes = {0};
  m.frames[2].name = "Bone";
  m.frames[2].parent = 0;
  m.frames[2].children = {3};
  m.frames[2].transform = RotateTranslate(AboutZ(Radians(30)), {1, 2, 3});
  m.frames[3].name = "Tip";
  m.frames[3].parent = 2;
  MeshContainer mesh;
  mesh.name = "Quad";
  mesh.positions = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {0, 1, 0}};
  mesh.normals = {{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}};
  mesh.texCoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  mesh.indices = {0, 1, 2, 0, 2, 3};
  mesh.triangleMaterials = {0, 1};
  Material plain;
  plain.diffuse = {0.5f, 0.25f, 1, 1};
  Material textured;
  textured.textureFilename = "models/quad.png";
  textured.power = 12;
  mesh.materials = {plain, textured};
  Bone a{"Bone", {0, 1, 2, 3}, {1, 0.5f, 0.5f, 1}, IdentityMatrix()};
  Bone b{"Tip", {1, 2}, {0.5f, 0.5f}, RotateTranslate({}, {-1, 0, 0})};
  mesh.bones = {a, b};
  m.meshes.push_back(mesh);
  for (const char* name : {"First", "Second"}) {
    AnimationSet set;
    set.name = name;
    set.ticksPerSecond = 4800;
    Animation anim;
    anim.frameName = "Tip";
    anim.rotations = {{0, FileKey(AboutX(0.5f))}, {4800, FileKey(AboutX(1.0f))}};
    anim.positions = {{0, {1, 0, 0}}};
    anim.scales = {{0, {1, 1, 1}}, {2400, {2, 2, 2}}};
    set.animations.push_back(anim);
    m.animationSets.push_back(set);
  }
  m.animationSets[1].animations[0].rotations.pop_back();  // tell the two sets apart
  return m;
}

TEST(XTextWriter, WrittenModelReadsBackWithEveryPart) {
  const Model original = SmallSkinnedModel();
  const std::string text = WriteTextModel(original);
  ASSERT_EQ(text.rfind("xof 0303txt 0032\n", 0), 0u);
  ReadResult r = ReadModel({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  ASSERT_TRUE(r.model) << r.error;
  const Model& m = *r.model;

  ASSERT_EQ(m.frames.size(), 4u);
  EXPECT_EQ(m.frames[0].name, "Root");
  EXPECT_EQ(m.FindFrame("Tip"), 3);
  EXPECT_EQ(m.frames[3].parent, 2);
  for (int i = 0; i < 16; ++i)
    EXPECT_NEAR(m.frames[2].transform[i], original.frames[2].transform[i], 1e-6f);

  ASSERT_EQ(m.meshes.size(), 1u);
  const MeshContainer& mesh = m.meshes[0];
  EXPECT_EQ(mesh.indices, original.meshes[0].indices);
  EXPECT_EQ(mesh.triangleMaterials, (std::vector<uint32_t>{0, 1}));
  ASSERT_EQ(mesh.positions.size(), 4u);
  ExpectNear(mesh.positions[2], {2, 1, 0});
  ExpectNear(mesh.normals[3], {0, 0, 1});
  EXPECT_FLOAT_EQ(mesh.texCoords[1][0], 1);
  ASSERT_EQ(mesh.materials.size(), 2u);
  EXPECT_FLOAT_EQ(mesh.materials[0].diffuse[1], 0.25f);
  EXPECT_EQ(mesh.materials[1].textureFilename, "models/quad.png");
  EXPECT_FLOAT_EQ(mesh.materials[1].power, 12);
  ASSERT_EQ(mesh.bones.size(), 2u);
  EXPECT_EQ(mesh.bones[1].name, "Tip");
  EXPECT_EQ(mesh.bones[1].vertices, (std::vector<uint32_t>{1, 2}));
  EXPECT_FLOAT_EQ(mesh.bones[0].weights[1], 0.5f);
  EXPECT_FLOAT_EQ(mesh.bones[1].offset[12], -1);
  EXPECT_EQ(mesh.maxVertexInfluences, 2u);
}

TEST(XTextWriter, AnimationSetsKeepTheirIndicesThroughTheReversedFileOrder) {
  const std::string text = WriteTextModel(SmallSkinnedModel());
  // The file lists the set the game selects as 0 last.
  EXPECT_LT(text.find("AnimationSet Second"), text.find("AnimationSet First"));
  ReadResult r = ReadModel({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
  ASSERT_TRUE(r.model) << r.error;
  const auto& sets = r.model->animationSets;
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].name, "First");
  EXPECT_EQ(sets[1].name, "Second");
  EXPECT_EQ(sets[0].ticksPerSecond, 4800);
  const Animation& a = sets[0].animations[0];
  EXPECT_EQ(a.frameName, "Tip");
  ASSERT_EQ(a.rotations.size(), 2u);
  EXPECT_EQ(a.rotations[1].time, 4800u);
  const Quat q = FileKey(AboutX(1.0f));
  EXPECT_NEAR(a.rotations[1].value.w, q.w, 1e-6f);
  EXPECT_NEAR(a.rotations[1].value.x, q.x, 1e-6f);
  ASSERT_EQ(a.scales.size(), 2u);
  ExpectNear(a.scales[1].value, {2, 2, 2});
  EXPECT_EQ(sets[0].LengthInTicks(), 4800u);
  EXPECT_EQ(sets[1].LengthInTicks(), 2400u);
}

TEST(Rotation, KeysTurnPointsTheRightHandedWayThroughTheReader) {
  // A quarter turn about z takes x to y; about y takes z to x.
  ExpectNear(TransformPoint({1, 0, 0}, RotateTranslate(AboutZ(Radians(90)), {})), {0, 1, 0});
  ExpectNear(TransformPoint({0, 0, 1}, RotateTranslate(AboutY(Radians(90)), {})), {1, 0, 0});
  ExpectNear(Rotate(AboutZ(Radians(90)), {1, 0, 0}), {0, 1, 0});
  // Then(a, b) turns by a first.
  const Quat q = Then(AboutZ(Radians(90)), AboutX(Radians(90)));
  ExpectNear(Rotate(q, {1, 0, 0}), {0, 0, 1});
  ExpectNear(TransformPoint({1, 0, 0}, RotateTranslate(q, {})), {0, 0, 1});
}

TEST(Rotation, InverseRigidUndoesARotationAndTranslation) {
  const Matrix m = RotateTranslate(Then(AboutX(0.3f), AboutZ(-1.2f)), {4, -5, 6});
  const Matrix i = Multiply(m, InverseRigid(m));
  const Matrix id = IdentityMatrix();
  for (int k = 0; k < 16; ++k) EXPECT_NEAR(i[k], id[k], 1e-5f);
}

}  // namespace
