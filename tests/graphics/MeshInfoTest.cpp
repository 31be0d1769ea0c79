#include <algorithm>
#include <cmath>
#include <filesystem>

#include "graphics/ModelComp.h"
#include "platform/xfile/Model.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

namespace fs = std::filesystem;
using platform::Vector3;

struct Box {
  Vector3 lo{1e9f, 1e9f, 1e9f};
  Vector3 hi{-1e9f, -1e9f, -1e9f};
};

// The model's rest pose in the world, placed at the origin as its record places it.
Box PlacedBounds(const platform::xfile::Model& model, const MeshInfo& info) {
  const platform::Matrix place = platform::MatrixTranslation(-info.PivotOffset.x, -info.PivotOffset.y, -info.PivotOffset.z) *
                                 platform::MatrixRotationQuaternion(NormalisedMeshRotation(info.Rotation)) *
                                 platform::MatrixScaling(info.Scale, info.Scale, info.Scale);
  std::vector<platform::xfile::Matrix> combined(model.frames.size());
  Box box;
  for (size_t i = 0; i < model.frames.size(); ++i) {
    const platform::xfile::Frame& frame = model.frames[i];
    combined[i] = frame.parent < 0 ? frame.transform : platform::xfile::Multiply(frame.transform, combined[frame.parent]);
    for (uint32_t mesh : frame.meshes) {
      for (const platform::xfile::Vec3& p : model.meshes[mesh].positions) {
        const platform::xfile::Vec3 q = platform::xfile::TransformPoint(p, combined[i]);
        const Vector3 w = platform::Vec3TransformCoord({q.x, q.y, q.z}, place);
        box.lo = {std::min(box.lo.x, w.x), std::min(box.lo.y, w.y), std::min(box.lo.z, w.z)};
        box.hi = {std::max(box.hi.x, w.x), std::max(box.hi.y, w.y), std::max(box.hi.z, w.z)};
      }
    }
  }
  return box;
}

class MeshInfoTest : public GraphicsFixture {};

// The physics sizes bodies and character controllers from these records, centred on the
// entity, and the frustum test keeps a model by its box: a record that does not fit its model
// lets thieves sink into floors or pop out of view.
TEST_F(MeshInfoTest, EveryDemoModelHasARecordThatFitsItsSize) {
  StartGraphics();
  int models = 0;
  for (const fs::directory_entry& file : fs::directory_iterator(fs::path(VR_GENERATED_DIR) / "models")) {
    if (file.path().extension() != ".x") continue;
    ++models;
    const std::string name = "models/" + file.path().filename().string();
    SCOPED_TRACE(name);
    const platform::xfile::ReadResult read = platform::xfile::ReadModelFile(file.path().string());
    ASSERT_TRUE(read.model) << read.error;
    const std::string text = TempDir::Read(DataFile("MeshInfo.xml"));
    ASSERT_NE(text.find(">" + name + "<"), std::string::npos) << "no record";
    const MeshInfo& info = graphics->GetModelRenderInfo(name);
    const Box box = PlacedBounds(*read.model, info);
    const float size[3] = {info.BoundingBoxSize.x, info.BoundingBoxSize.y, info.BoundingBoxSize.z};
    const float lo[3] = {box.lo.x, box.lo.y, box.lo.z}, hi[3] = {box.hi.x, box.hi.y, box.hi.z};
    float halfDiagonal = 0;
    for (int axis = 0; axis < 3; ++axis) {
      const float extent = hi[axis] - lo[axis];
      EXPECT_GE(size[axis], 0.8f * extent) << "axis " << axis;
      EXPECT_LE(size[axis], 1.5f * extent + 1.0f) << "axis " << axis;
      // The box is centred on the entity's position; the flashlight's beam starts at the lamp.
      if (name != "models/cone.x") {
        EXPECT_LE(std::fabs(lo[axis] + hi[axis]) / 2, 0.15f * extent + 0.5f) << "axis " << axis;
      }
      halfDiagonal += size[axis] * size[axis] / 4;
    }
    EXPECT_NEAR(info.BoundingSphereRadius, std::sqrt(halfDiagonal), 0.1f);
    EXPECT_GE(info.ShadowSize, 0);
    EXPECT_GE(info.OutlineSize, 0.0f);
  }
  EXPECT_EQ(models, 19);
}

}  // namespace
