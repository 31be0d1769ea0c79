#include <gtest/gtest.h>

#include <cmath>

#include "platform/xfile/AnimationController.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Normals.h"
#include "platform/xfile/Skinning.h"
#include "tests/platform/xfile/Fixtures.h"

using namespace platform::xfile;

namespace {

Model Quad() { return *ReadModel(xfixtures::Bytes(xfixtures::SkinnedQuadText())).model; }

void ExpectNear(const Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-5);
  EXPECT_NEAR(v.y, y, 1e-5);
  EXPECT_NEAR(v.z, z, 1e-5);
}

// Poses the quad's frames at a time on the "Bend" set and skins the quad.
SkinnedVertices SkinQuadAt(Model& model, double seconds) {
  AnimationController controller(model);
  EXPECT_TRUE(controller.SetAnimationSet(1));
  controller.AdvanceTime(seconds, model.frames);
  std::vector<Matrix> combined;
  ComputeCombinedMatrices(model.frames, combined);
  const MeshContainer& mesh = model.meshes[0];
  SkinnedVertices out;
  SkinMesh(mesh, mesh.normals, BindBones(model, mesh), combined, out);
  return out;
}

}  // namespace

TEST(AnimationController, SkinsTheQuadAsWorkedByHand) {
  // At 0.5 s (50 ticks): Bone1 is at z 5; Bone2 has turned 45 degrees about z at x 1 on Bone1.
  // v1 = 0.5 x (2,0,5) + 0.5 x (1 + cos45, sin45, 5); v2 = 0.5 x (2,1,5) + 0.5 x (1, 2 sin45, 5).
  Model model = Quad();
  const SkinnedVertices out = SkinQuadAt(model, 0.5);
  const float h = std::sqrt(0.5f);
  ExpectNear(out.positions[0], 0, 0, 5);
  ExpectNear(out.positions[1], 1 + h / 2 + 0.5f, h / 2, 5);
  ExpectNear(out.positions[2], 1.5f, 0.5f + h, 5);
  ExpectNear(out.positions[3], 0, 1, 5);
  // The normal (0,0,-1) only turns about z: it stays.
  ExpectNear(out.normals[1], 0, 0, -1);
  // The set loops over its 100 ticks: 1.5 s is 50 ticks again.
  Model again = Quad();
  const SkinnedVertices looped = SkinQuadAt(again, 1.5);
  ExpectNear(looped.positions[2], 1.5f, 0.5f + h, 5);
}

TEST(AnimationController, PosesTheBindSetOfARealModelAsItsFrames) {
  // Testwuson's last set (index 0 here) is its bind pose: its keys rebuild the file's frame
  // matrices, which pins down the quaternion convention and the scale-rotate-translate order.
  ReadResult r = ReadModelFile("/usr/share/assimp/models/X/Testwuson.X");
  ASSERT_TRUE(r.model.has_value()) << r.error;
  Model& model = *r.model;
  ASSERT_EQ(model.animationSets.size(), 3u);
  EXPECT_EQ(model.animationSets[0].name, "Wuson_Bind");
  EXPECT_EQ(model.animationSets[2].name, "Wuson_Run");
  const std::vector<Frame> bind = model.frames;
  for (Frame& f : model.frames) f.transform = IdentityMatrix();
  AnimationController controller(model);
  controller.AdvanceTime(0, model.frames);
  for (size_t f = 0; f < bind.size(); ++f)
    for (int i = 0; i < 16; ++i)
      ASSERT_NEAR(model.frames[f].transform[i], bind[f].transform[i], 1e-5) << bind[f].name;
}

TEST(AnimationController, ClonesRunIndependentlyAndKeepTheirTrackTime) {
  Model model = Quad();
  AnimationController first(model);
  EXPECT_EQ(first.NumAnimationSets(), 2u);
  first.AdvanceTime(0.25, model.frames);
  AnimationController clone = first;
  clone.AdvanceTime(0.5, model.frames);
  EXPECT_DOUBLE_EQ(first.Time(), 0.25);
  EXPECT_DOUBLE_EQ(clone.Time(), 0.75);
  EXPECT_FALSE(clone.SetAnimationSet(2));
  EXPECT_EQ(clone.AnimationSetIndex(), 0u);
  EXPECT_TRUE(clone.SetAnimationSet(1));
  EXPECT_DOUBLE_EQ(clone.Time(), 0.75);
  EXPECT_EQ(first.AnimationSetIndex(), 0u);
}

TEST(AnimationController, SetWithoutKeysLeavesFramesAlone) {
  Model model = Quad();
  model.frames[2].transform[13] = 7;
  AnimationController controller(model);  // set 0 is "Still"
  controller.AdvanceTime(0.3, model.frames);
  EXPECT_FLOAT_EQ(model.frames[2].transform[13], 7);
  EXPECT_FLOAT_EQ(model.frames[2].transform[12], 1);
}

TEST(AnimationController, InterpolatesMatrixKeys) {
  ReadResult r = ReadModel(xfixtures::Bytes(R"(xof 0303txt 0032
Frame F { }
AnimTicksPerSecond { 10; }
AnimationSet A { Animation { { F } AnimationKey { 4; 2;
 0;16;1,0,0,0,0,1,0,0,0,0,1,0,0,0,0,1;;,
 20;16;1,0,0,0,0,1,0,0,0,0,1,0,4,0,0,1;;; } }
 Animation { { NoSuchFrame } AnimationKey { 2; 1; 0;3;1,2,3;;; } } }
)"));
  ASSERT_TRUE(r.model.has_value()) << r.error;
  AnimationController controller(*r.model);
  controller.AdvanceTime(0.5, r.model->frames);  // 5 of 20 ticks
  EXPECT_FLOAT_EQ(r.model->frames[0].transform[12], 1);
  controller.AdvanceTime(1.0, r.model->frames);  // 15 ticks
  EXPECT_FLOAT_EQ(r.model->frames[0].transform[12], 3);
}

TEST(Skinning, BoneWithoutFrameKeepsItsShareInPlace) {
  Model model = Quad();
  model.meshes[0].bones[1].name = "Missing";
  const MeshContainer& mesh = model.meshes[0];
  EXPECT_EQ(BindBones(model, mesh), (std::vector<int32_t>{1, -1}));
  const SkinnedVertices out = SkinQuadAt(model, 0.5);
  // v2 (2,1,0): half follows Bone1 up to z 5, half stays.
  ExpectNear(out.positions[2], 2, 1, 2.5f);
}

TEST(Skinning, CombinesFramesDownTheTree) {
  Model model = Quad();
  model.frames[1].transform = ScaleRotateTranslate({2, 2, 2}, {}, {0, 0, 3});
  std::vector<Matrix> combined;
  ComputeCombinedMatrices(model.frames, combined);
  // Bone2: its own (1,0,0) offset, then scaled by Bone1 and lifted.
  ExpectNear(TransformPoint({0, 0, 0}, combined[2]), 2, 0, 3);
}

TEST(Skinning, BoundingSphereCoversEveryPlacedVertex) {
  Model model = Quad();
  BoundingSphere s = ComputeBoundingSphere(model);
  ExpectNear(s.centre, 1, 0.5f, 0);
  EXPECT_NEAR(s.radius, std::sqrt(1.25f), 1e-5);
  model.frames[0].transform = ScaleRotateTranslate({1, 1, 1}, {}, {0, 0, 4});
  s = ComputeBoundingSphere(model);
  ExpectNear(s.centre, 1, 0.5f, 4);
  EXPECT_FLOAT_EQ(ComputeBoundingSphere(Model{}).radius, 0);
}

TEST(Normals, AverageFaceNormalsByCornerAngle) {
  // Vertex 0 is on a floor triangle facing -z with a right angle there, and on a wall
  // triangle in the y = 0 plane with a 45 degree angle there: the floor counts twice as much.
  const std::vector<Vec3> p = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {-1, 0, 1}};
  const std::vector<uint32_t> idx = {0, 2, 1, 0, 3, 4};
  const std::vector<Vec3> n = ComputeNormals(p, idx);
  ASSERT_EQ(n.size(), 5u);
  ExpectNear(n[1], 0, 0, -1);
  const Vec3 wall = Normalize(Cross(Sub(p[3], p[0]), Sub(p[4], p[0])));
  const float a = static_cast<float>(M_PI / 2), b = static_cast<float>(M_PI / 4);
  const Vec3 expected = Normalize(Add(Scale({0, 0, -1}, a), Scale(wall, b)));
  ExpectNear(n[0], expected.x, expected.y, expected.z);
  // A flat quad gives its face normal everywhere; clockwise seen from +z faces +z.
  const Model model = Quad();
  const MeshContainer& quad = model.meshes[0];
  for (const Vec3& v : ComputeNormals(quad.positions, quad.indices)) ExpectNear(v, 0, 0, 1);
}
