// Assimp reads the same files independently; where it loads a file, both readers must agree on
// vertices, bones and animation keys. Assimp turns the data right-handed and back again under
// aiProcess_MakeLeftHanded, so with that flag its numbers are the file's, as ours are. It splits
// meshes per material and repeats vertices per face corner, so vertices compare as sets per frame.
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "platform/xfile/Model.h"

using namespace platform::xfile;

namespace {

const char* const kModelFolder = "/usr/share/assimp/models/X";

std::vector<std::string> ModelFiles() {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(kModelFolder)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".txt" && ext != ".tga" && ext != ".png") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// A coarse grid of points for "is there one within tolerance" queries.
class PointSet {
 public:
  explicit PointSet(const std::vector<Vec3>& points) {
    for (const Vec3& p : points) cells_[Cell(p)].push_back(p);
  }
  bool HasNear(const Vec3& p) const {
    const auto c = Cell(p);
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy)
        for (int dz = -1; dz <= 1; ++dz) {
          auto it = cells_.find({c[0] + dx, c[1] + dy, c[2] + dz});
          if (it == cells_.end()) continue;
          for (const Vec3& q : it->second)
            if (std::fabs(p.x - q.x) < kTolerance && std::fabs(p.y - q.y) < kTolerance &&
                std::fabs(p.z - q.z) < kTolerance)
              return true;
        }
    return false;
  }

 private:
  static constexpr float kTolerance = 1e-4f;
  static std::array<long, 3> Cell(const Vec3& p) {
    return {std::lround(p.x * 1000), std::lround(p.y * 1000), std::lround(p.z * 1000)};
  }
  std::map<std::array<long, 3>, std::vector<Vec3>> cells_;
};

size_t CountMissing(const std::vector<Vec3>& points, const std::vector<Vec3>& in) {
  PointSet set(in);
  size_t missing = 0;
  for (const Vec3& p : points) missing += !set.HasNear(p);
  return missing;
}

void ExpectMatrixNear(const Matrix& ours, const aiMatrix4x4& theirs, const std::string& what) {
  // Assimp keeps column vectors: its matrix is the transpose of the file's.
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) ASSERT_NEAR(ours[r * 4 + c], theirs[c][r], 1e-4) << what;
}

const aiNode* FindNode(const aiNode* node, const std::string& name) {
  if (name == node->mName.C_Str()) return node;
  for (unsigned i = 0; i < node->mNumChildren; ++i)
    if (const aiNode* found = FindNode(node->mChildren[i], name)) return found;
  return nullptr;
}

void CompareMeshes(const Model& model, const aiScene& scene, const aiNode& node,
                   size_t& meshesCompared) {
  if (node.mNumMeshes > 0) {
    const int32_t frame = model.FindFrame(node.mName.C_Str());
    ASSERT_GE(frame, 0) << "no frame " << node.mName.C_Str();
    std::vector<Vec3> ours, theirs;
    std::map<std::string, const Bone*> ourBones;
    for (uint32_t m : model.frames[frame].meshes) {
      const MeshContainer& mesh = model.meshes[m];
      for (uint32_t i : mesh.indices) ours.push_back(mesh.positions[i]);
      for (const Bone& b : mesh.bones) ourBones[b.name] = &b;
    }
    std::set<std::string> theirBones;
    for (unsigned i = 0; i < node.mNumMeshes; ++i) {
      const aiMesh& mesh = *scene.mMeshes[node.mMeshes[i]];
      for (unsigned v = 0; v < mesh.mNumVertices; ++v)
        theirs.push_back({mesh.mVertices[v].x, mesh.mVertices[v].y, mesh.mVertices[v].z});
      for (unsigned b = 0; b < mesh.mNumBones; ++b) {
        const aiBone& bone = *mesh.mBones[b];
        theirBones.insert(bone.mName.C_Str());
        auto it = ourBones.find(bone.mName.C_Str());
        ASSERT_NE(it, ourBones.end()) << "bone " << bone.mName.C_Str();
        ExpectMatrixNear(it->second->offset, bone.mOffsetMatrix, bone.mName.C_Str());
      }
    }
    EXPECT_EQ(CountMissing(theirs, ours), 0u) << node.mName.C_Str();
    EXPECT_EQ(CountMissing(ours, theirs), 0u) << node.mName.C_Str();
    EXPECT_EQ(theirBones.size(), ourBones.size()) << node.mName.C_Str();
    ++meshesCompared;
  }
  for (unsigned i = 0; i < node.mNumChildren; ++i)
    CompareMeshes(model, scene, *node.mChildren[i], meshesCompared);
}

template <typename OurKey, typename TheirKey, typename Same>
void CompareKeys(const std::vector<OurKey>& ours, const TheirKey* theirs, unsigned count,
                 Same same) {
  ASSERT_EQ(ours.size(), count);
  for (unsigned k = 0; k < count; ++k) {
    EXPECT_DOUBLE_EQ(ours[k].time, theirs[k].mTime);
    same(ours[k].value, theirs[k].mValue);
  }
}

void CompareAnimations(const Model& model, const aiScene& scene) {
  ASSERT_EQ(model.animationSets.size(), scene.mNumAnimations);
  static const auto sameVec = [](const Vec3& a, const aiVector3D& b) {
    EXPECT_NEAR(a.x, b.x, 1e-5);
    EXPECT_NEAR(a.y, b.y, 1e-5);
    EXPECT_NEAR(a.z, b.z, 1e-5);
  };
  // Assimp conjugates the file's quaternions and may flip their sign; the rotation is what
  // must agree, and that also checks which way round ours applies them.
  const auto sameRotation = [](const Quat& a, const aiQuaternion& b) {
    const Matrix ours = ScaleRotateTranslate({1, 1, 1}, a, {});
    const aiMatrix3x3 theirs = b.GetMatrix();
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) EXPECT_NEAR(ours[r * 4 + c], theirs[c][r], 1e-5);
  };
  for (unsigned i = 0; i < scene.mNumAnimations; ++i) {
    const aiAnimation& theirs = *scene.mAnimations[i];
    // Ours come in reverse file order.
    const AnimationSet& ours = model.animationSets[model.animationSets.size() - 1 - i];
    EXPECT_EQ(ours.name, theirs.mName.C_Str());
    EXPECT_DOUBLE_EQ(ours.ticksPerSecond, theirs.mTicksPerSecond);
    EXPECT_EQ(ours.animations.size(), theirs.mNumChannels);
    for (unsigned c = 0; c < theirs.mNumChannels; ++c) {
      const aiNodeAnim& channel = *theirs.mChannels[c];
      SCOPED_TRACE(channel.mNodeName.C_Str());
      auto it = std::find_if(
          ours.animations.begin(), ours.animations.end(),
          [&](const Animation& a) { return a.frameName == channel.mNodeName.C_Str(); });
      ASSERT_NE(it, ours.animations.end());
      if (!it->matrices.empty()) {  // Assimp splits matrix keys into the three kinds
        const auto sameTranslation = [](const Matrix& a, const aiVector3D& b) {
          sameVec({a[12], a[13], a[14]}, b);
        };
        CompareKeys(it->matrices, channel.mPositionKeys, channel.mNumPositionKeys, sameTranslation);
        continue;
      }
      CompareKeys(it->rotations, channel.mRotationKeys, channel.mNumRotationKeys, sameRotation);
      CompareKeys(it->positions, channel.mPositionKeys, channel.mNumPositionKeys, sameVec);
      CompareKeys(it->scales, channel.mScalingKeys, channel.mNumScalingKeys, sameVec);
    }
  }
}

}  // namespace

TEST(AssimpOracle, AgreesOnEveryModelAssimpLoads) {
  size_t loaded = 0, meshesCompared = 0;
  for (const std::string& path : ModelFiles()) {
    SCOPED_TRACE(path);
    const ReadResult ours = ReadModelFile(path);
    Assimp::Importer importer;
    const aiScene* scene = importer.ReadFile(path, aiProcess_MakeLeftHanded);
    if (!scene) {
      // Assimp refuses it: we must refuse it cleanly too, or read something sound.
      EXPECT_TRUE(ours.model.has_value() || !ours.error.empty());
      continue;
    }
    ASSERT_TRUE(ours.model.has_value()) << ours.error;
    ++loaded;
    CompareMeshes(*ours.model, *scene, *scene->mRootNode, meshesCompared);
    CompareAnimations(*ours.model, *scene);
  }
  EXPECT_GE(loaded, 10u);
  EXPECT_GE(meshesCompared, 10u);
}

TEST(AssimpOracle, InvalidFilesGiveACleanError) {
  const ReadResult empty = ReadModelFile("/usr/share/assimp/models/invalid/empty.x");
  EXPECT_FALSE(empty.model.has_value());
  EXPECT_FALSE(empty.error.empty());
  // One damaged byte in the packed data of an otherwise good file.
  const ReadResult damaged = ReadModelFile(std::string(kModelFolder) + "/OV_GetNextToken");
  EXPECT_FALSE(damaged.model.has_value());
  EXPECT_EQ(damaged.error, "damaged compressed block");
}
