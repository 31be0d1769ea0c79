// Seeded mutation of small model files in all three encodings. Every mutant must either be
// refused with an error text or give a model whose every index is in range, and that model must
// then animate, skin and bound without trouble. Runs in the normal suite under the sanitizers.
#include <gtest/gtest.h>

#include "platform/core/Random.h"
#include "platform/xfile/AnimationController.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Skinning.h"
#include "tests/platform/xfile/Fixtures.h"
#include "tests/support/Mutator.h"

using namespace platform::xfile;

namespace {

constexpr int kMutantsPerFile = 10000;

const MutationLimits kLimits{4, 8, 32, {"{", "}", ";", ",", "\"", "<", "-1", "0", "4294967295", "1e39", "nan",
                                     "Frame X {", "{ Bone1 }", "Mesh {", "9999"}};

// Everything a user of the model indexes with must be in range.
void CheckModel(const Model& m) {
  ASSERT_FALSE(m.frames.empty());
  for (size_t f = 0; f < m.frames.size(); ++f) {
    const Frame& frame = m.frames[f];
    ASSERT_LT(frame.parent, int32_t(f));
    ASSERT_EQ(frame.parent < 0, f == 0);
    for (uint32_t c : frame.children) ASSERT_EQ(m.frames.at(c).parent, int32_t(f));
    for (uint32_t i : frame.meshes) ASSERT_LT(i, m.meshes.size());
  }
  for (const MeshContainer& mesh : m.meshes) {
    const size_t n = mesh.positions.size();
    ASSERT_EQ(mesh.indices.size() % 3, 0u);
    for (uint32_t i : mesh.indices) ASSERT_LT(i, n);
    ASSERT_EQ(mesh.triangleMaterials.size(), mesh.TriangleCount());
    ASSERT_FALSE(mesh.materials.empty());
    for (uint32_t t : mesh.triangleMaterials) ASSERT_LT(t, mesh.materials.size());
    ASSERT_TRUE(mesh.normals.empty() || mesh.normals.size() == n);
    ASSERT_TRUE(mesh.texCoords.empty() || mesh.texCoords.size() == n);
    ASSERT_TRUE(mesh.colors.empty() || mesh.colors.size() == n);
    for (const Bone& b : mesh.bones) {
      ASSERT_EQ(b.vertices.size(), b.weights.size());
      for (uint32_t v : b.vertices) ASSERT_LT(v, n);
    }
  }
}

void Exercise(Model& m) {
  AnimationController controller(m);
  for (uint32_t s = 0; s < controller.NumAnimationSets(); ++s) {
    controller.SetAnimationSet(s);
    controller.AdvanceTime(0.37, m.frames);
  }
  std::vector<Matrix> combined;
  ComputeCombinedMatrices(m.frames, combined);
  for (const MeshContainer& mesh : m.meshes) {
    SkinnedVertices out;
    SkinMesh(mesh, mesh.normals, BindBones(m, mesh), combined, out);
  }
  ComputeBoundingSphere(m);
}

// Returns how many mutants loaded.
int FuzzFile(const std::string& original, unsigned seed, bool compressBody) {
  platform::SeedRandom(seed);
  int loaded = 0;
  const std::string packed = compressBody ? xfixtures::Compress(original, 512) : original;
  for (int i = 0; i < kMutantsPerFile; ++i) {
    // Compressed files are damaged half in their packed bytes, half before packing, so that
    // damaged content also reaches the parser through the unpacker.
    std::string mutant;
    if (compressBody && i % 2)
      mutant = xfixtures::Compress(original.substr(0, 16) + Mutate(original.substr(16), kLimits), 512);
    else
      mutant = Mutate(packed, kLimits);
    ReadResult r = ReadModel(xfixtures::Bytes(mutant));
    if (!r.model) {
      EXPECT_FALSE(r.error.empty());
      continue;
    }
    ++loaded;
    CheckModel(*r.model);
    if (testing::Test::HasFatalFailure()) {
      ADD_FAILURE() << "mutant " << i << " of seed " << seed;
      return loaded;
    }
    Exercise(*r.model);
  }
  return loaded;
}

}  // namespace

TEST(XFileFuzz, TextMutantsLoadSoundlyOrFail) {
  EXPECT_GT(FuzzFile(xfixtures::SkinnedQuadText(), 101, false), 100);
}

TEST(XFileFuzz, BinaryMutantsLoadSoundlyOrFail) {
  EXPECT_GT(FuzzFile(xfixtures::SkinnedQuadBinary(), 202, false), 100);
}

TEST(XFileFuzz, CompressedMutantsLoadSoundlyOrFail) {
  EXPECT_GT(FuzzFile(xfixtures::SkinnedQuadBinary(), 303, true), 100);
  EXPECT_GT(FuzzFile(xfixtures::SkinnedQuadText(), 404, true), 100);
}
