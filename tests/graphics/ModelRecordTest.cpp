#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <span>

#include "graphics/ModelManager.h"
#include "graphics/ModelRecord.h"
#include "tests/graphics/ModelTestData.h"
#include "tests/support/EngineFixture.h"

namespace {

namespace xf = platform::xfile;

std::unique_ptr<ModelRecord> Record(const std::string& text) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
  xf::ReadResult read = xf::ReadModel(bytes);
  EXPECT_TRUE(read.model) << read.error;
  if (!read.model) return nullptr;
  return std::make_unique<ModelRecord>(std::move(*read.model), nullptr, nullptr);
}

void ExpectNear(const xf::Vec3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-4f);
  EXPECT_NEAR(v.y, y, 1e-4f);
  EXPECT_NEAR(v.z, z, 1e-4f);
}

TEST(ModelRecordTest, HierarchyBonesAndSetsComeAsTheGameSelectsThem) {
  auto record = Record(SkinnedModelText());
  ASSERT_TRUE(record);
  const xf::Model& model = record->GetModel();
  ASSERT_EQ(model.frames.size(), 2u);
  EXPECT_EQ(model.frames[0].name, "Root");
  EXPECT_EQ(record->FindFrame("Arm"), 1);
  EXPECT_EQ(record->FindFrame("Nobody"), -1);
  // The arm's combined matrix carries it 10 along x.
  EXPECT_FLOAT_EQ(record->GetCombinedMatrix(1)[12], 10.0f);
  EXPECT_EQ(record->GetSkinnedMesh(), 0);
  EXPECT_EQ(record->GetBoneFrames(), (std::vector<int32_t>{0, 1}));
  EXPECT_FLOAT_EQ(model.meshes[0].bones[1].offset[12], -10.0f);
  // The last set in the file is set 0.
  ASSERT_EQ(record->GetAnimationSetCapacity(), 2u);
  EXPECT_EQ(model.animationSets[0].name, "Rest");
  EXPECT_EQ(model.animationSets[1].name, "Lift");
}

TEST(ModelRecordTest, TwoBoneSkinningMatchesTheHandWorkedVertices) {
  auto record = Record(SkinnedModelText());
  ASSERT_TRUE(record);
  // At rest the skin leaves the triangle where the file put it.
  ExpectNear(record->GetSkinnedVertices().positions[1], 10, 0, 0);
  auto controller = record->CloneController();
  ASSERT_TRUE(controller);
  ASSERT_TRUE(controller->SetAnimationSet(1));  // "Lift"
  record->Animate(*controller, 0.0);
  record->UpdateSkinning();
  const auto& skinned = record->GetSkinnedVertices().positions;
  ExpectNear(skinned[0], 0, 0, 0);    // Root only
  ExpectNear(skinned[1], 10, 0, 2.5f);  // half and half
  ExpectNear(skinned[2], 0, 10, 5);   // Arm only
}

TEST(ModelRecordTest, ClonedControllersAnimateIndependently) {
  auto record = Record(SkinnedModelText());
  ASSERT_TRUE(record);
  auto a = record->CloneController();
  auto b = record->CloneController();
  a->SetAnimationSet(1);
  a->AdvanceTime(3.0, const_cast<std::vector<xf::Frame>&>(record->GetModel().frames));
  EXPECT_EQ(b->AnimationSetIndex(), 0u);
  EXPECT_DOUBLE_EQ(b->Time(), 0.0);
}

TEST(ModelRecordTest, BoundingSphereCoversTheMesh) {
  auto record = Record(SkinnedModelText());
  ASSERT_TRUE(record);
  const auto& sphere = record->GetBoundingSphere();
  for (const xf::Vec3& v : record->GetModel().meshes[0].positions) {
    const float dx = v.x - sphere.centre.x, dy = v.y - sphere.centre.y, dz = v.z - sphere.centre.z;
    EXPECT_LE(std::sqrt(dx * dx + dy * dy + dz * dz), sphere.radius + 1e-4f);
  }
  EXPECT_GT(sphere.radius, 0.0f);
}

TEST(ModelRecordTest, ABoneWithoutAFrameKeepsItsShareInPlace) {
  auto record = Record(SkinnedModelText("", "Missing"));
  ASSERT_TRUE(record);
  EXPECT_EQ(record->GetBoneFrames()[1], -1);
  auto controller = record->CloneController();
  controller->SetAnimationSet(1);
  record->Animate(*controller, 0.0);
  record->UpdateSkinning();
  ExpectNear(record->GetSkinnedVertices().positions[2], 0, 10, 0);
}

TEST(ModelRecordTest, OnlyTheFirstOfTwoSkinnedMeshesAnimates) {
  auto record = Record(SkinnedModelText(SecondSkinnedMesh()));
  ASSERT_TRUE(record);
  ASSERT_EQ(record->GetModel().meshes.size(), 2u);
  EXPECT_EQ(record->GetSkinnedMesh(), 0);
  EXPECT_EQ(record->GetSkinnedVertices().positions.size(), 3u);
}

// An animation without keys poses its frame with no transform of its own: the arm drops back
// onto the root, and the skin follows without breaking.
TEST(ModelRecordTest, AnAnimationSetWithoutKeysPosesItsFrameAtTheParent) {
  const std::string empty = "AnimationSet Still { Animation { {Arm} } }\n";
  auto record = Record(SkinnedModelText() + empty);
  ASSERT_TRUE(record);
  auto controller = record->CloneController();
  ASSERT_TRUE(controller->SetAnimationSet(0));  // "Still", the last in the file
  record->Animate(*controller, 1.5);
  record->UpdateSkinning();
  ExpectNear(record->GetSkinnedVertices().positions[2], -10, 10, 0);
}

class ModelManagerTest : public EngineFixture {
 protected:
  ModelManagerTest() { Bare(); }
  ModelManager manager{nullptr, nullptr, nullptr};
};

TEST_F(ModelManagerTest, EachFileLoadsOnceWhateverItsCase) {
  std::filesystem::create_directories("models");
  std::ofstream("models/guard.x") << SkinnedModelText();
  ModelRecord* a = manager.GetOrLoad("Guard");
  ASSERT_TRUE(a);
  EXPECT_EQ(manager.GetOrLoad("guard"), a);
  EXPECT_EQ(LogOf("AssetsLoaded").find("Loaded models/guard.x"), LogOf("AssetsLoaded").rfind("Loaded models/guard.x"));
  manager.Release(a);
  EXPECT_EQ(manager.UseCount("guard"), 1);
}

TEST_F(ModelManagerTest, BadFilesGiveNoModelAndAreReportedOnce) {
  std::filesystem::create_directories("models");
  const std::string good = SkinnedModelText();
  std::ofstream("models/empty.x");
  std::ofstream("models/cut.x") << good.substr(0, good.size() / 2);
  std::ofstream("models/noise.x") << "xof 0303txt 0032\nFrame { { { ;;; }";
  for (const char* name : {"empty", "cut", "noise", "absent"}) {
    EXPECT_EQ(manager.GetOrLoad(name), nullptr) << name;
    EXPECT_EQ(manager.GetOrLoad(name), nullptr) << name;
  }
  const std::string log = LogOf("GraphicsLog");
  for (const char* name : {"empty", "cut", "noise", "absent"}) {
    const std::string line = std::string("Failed loading model models/") + name + ".x";
    ASSERT_NE(log.find(line), std::string::npos) << name;
    EXPECT_EQ(log.find(line), log.rfind(line)) << name;
  }
}

}  // namespace
