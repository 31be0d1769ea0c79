// The generated demo models as the game will meet them: read from the generated data tree by
// the game's own reader, with the frames, animation sets and textures the game asks for.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "platform/xfile/AnimationController.h"
#include "platform/xfile/Model.h"
#include "platform/xfile/Skinning.h"
#include "tools/modelgen/Catalogue.h"
#include "tools/modelgen/Character.h"

using namespace platform::xfile;
using namespace modelgen;

namespace {

const std::string kRoot = VR_GENERATED_DIR;

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Model Load(const std::string& name) {
  ReadResult r = ReadModelFile(kRoot + "/" + ModelPath(name));
  EXPECT_TRUE(r.model) << name << ": " << r.error;
  return r.model ? std::move(*r.model) : Model{};
}

std::vector<std::string> SetNames(const Model& m) {
  std::vector<std::string> names;
  for (const AnimationSet& s : m.animationSets) names.push_back(s.name);
  return names;
}

struct CharacterCase {
  const char* name;
  CharacterKind kind;
  std::vector<std::string> sets;  // by the index the game selects
  size_t skins;
};

const CharacterCase kCharacters[] = {
    {"thief", CharacterKind::Thief, {"Idle", "Sneak", "Walk", "Run"}, 4},
    {"femaleThief", CharacterKind::FemaleThief, {"Idle", "Sneak", "Walk", "Run"}, 4},
    {"guard", CharacterKind::Guard, {"Idle", "Walk", "Run", "Confuse", "Sleep"}, 3},
};

// The skin of the model's first mesh with set `set` played for `seconds`.
SkinnedVertices SkinAt(const Model& m, uint32_t set, double seconds,
                       std::vector<Matrix>& combined) {
  std::vector<Frame> frames = m.frames;
  AnimationController c(m);
  EXPECT_TRUE(c.SetAnimationSet(set));
  c.AdvanceTime(seconds, frames);
  ComputeCombinedMatrices(frames, combined);
  SkinnedVertices out;
  const MeshContainer& mesh = m.meshes[0];
  SkinMesh(mesh, mesh.normals, BindBones(m, mesh), combined, out);
  return out;
}

TEST(DemoModels, EveryModelReadsBackWithItsTexturesBesideIt) {
  for (const ModelAsset& asset : DemoModels()) {
    SCOPED_TRACE(asset.name);
    const Model m = Load(asset.name);
    ASSERT_FALSE(m.meshes.empty());
    for (const MeshContainer& mesh : m.meshes) {
      EXPECT_GT(mesh.TriangleCount(), 0u);
      EXPECT_EQ(mesh.normals.size(), mesh.positions.size());
      EXPECT_EQ(mesh.texCoords.size(), mesh.positions.size());
      for (const Material& material : mesh.materials) {
        ASSERT_FALSE(material.textureFilename.empty());
        EXPECT_EQ(FileBytes(kRoot + "/textures/" + material.textureFilename).substr(1, 3), "PNG");
      }
    }
    for (const std::string& swap : asset.swaps)
      EXPECT_EQ(FileBytes(kRoot + "/textures/" + swap).substr(1, 3), "PNG") << swap;
    const BoundingSphere sphere = ComputeBoundingSphere(m);
    EXPECT_GT(sphere.radius, 1.0f);
    EXPECT_LT(sphere.radius, 300.0f);
  }
}

TEST(DemoModels, TheModelsTheGameLoadsByNameAreAllThere) {
  // Looked up as "models/" + the lower-cased name + ".x".
  for (const char* name : {"thief", "femaleThief", "guard", "emblem", "arrow", "cone", "Box", "box",
                           "smokebomb", "battery", "suctioncup", "tripLaser"})
    EXPECT_TRUE(ReadModelFile(kRoot + "/" + ModelPath(name)).model) << name;
  EXPECT_EQ(ModelPath("femaleThief"), "models/femalethief.x");
}

TEST(DemoModels, TripLaserBlinksBetweenTwoDifferentLensTextures) {
  for (const ModelAsset& asset : DemoModels()) {
    if (asset.name != "tripLaser") continue;
    ASSERT_EQ(asset.swaps.size(), 2u);
    EXPECT_NE(FileBytes(kRoot + "/textures/" + asset.swaps[0]),
              FileBytes(kRoot + "/textures/" + asset.swaps[1]));
    return;
  }
  FAIL() << "no trip laser";
}

TEST(DemoModels, BeamAndEmitterPointAlongPlusX) {
  // The flashlight turns its beam model, and the trip laser its emitter, so that +x is the
  // direction of the light.
  for (const char* name : {"cone", "tripLaser"}) {
    const Model m = Load(name);
    float lowest = 1e9f, highest = -1e9f;
    for (const Vec3& p : m.meshes[0].positions) {
      lowest = std::min(lowest, p.x);
      highest = std::max(highest, p.x);
    }
    EXPECT_GE(lowest, -0.01f) << name;
    EXPECT_GT(highest, 8.0f) << name;
  }
}

TEST(DemoModels, TrianglesFaceTheWayTheirNormalsPoint) {
  for (const ModelAsset& asset : DemoModels()) {
    const Model m = Load(asset.name);
    for (const MeshContainer& mesh : m.meshes)
      for (size_t t = 0; t < mesh.TriangleCount(); ++t) {
        const uint32_t* i = &mesh.indices[t * 3];
        const Vec3 face = Cross(Sub(mesh.positions[i[1]], mesh.positions[i[0]]),
                                Sub(mesh.positions[i[2]], mesh.positions[i[0]]));
        const Vec3 n = Add(Add(mesh.normals[i[0]], mesh.normals[i[1]]), mesh.normals[i[2]]);
        ASSERT_GT(Dot(face, n), 0) << asset.name << " triangle " << t;
      }
  }
}

TEST(DemoModels, GenerationIsDeterministicAndMatchesTheFilesOnDisk) {
  const std::vector<OutputFile> first = DemoModelFiles(), second = DemoModelFiles();
  ASSERT_EQ(first.size(), second.size());
  size_t total = 0;
  for (size_t i = 0; i < first.size(); ++i) {
    EXPECT_EQ(first[i].path, second[i].path);
    EXPECT_TRUE(first[i].bytes == second[i].bytes) << first[i].path;
    EXPECT_TRUE(first[i].bytes == FileBytes(kRoot + "/" + first[i].path)) << first[i].path;
    total += first[i].bytes.size();
  }
  EXPECT_LT(total, 5u << 20);
}

TEST(DemoModels, CharactersHaveTheirAnimationSetsAtTheIndicesTheGameSelects) {
  for (const CharacterCase& c : kCharacters) {
    SCOPED_TRACE(c.name);
    const Model m = Load(c.name);
    EXPECT_EQ(SetNames(m), c.sets);
    for (const AnimationSet& set : m.animationSets) EXPECT_GT(set.LengthInTicks(), 0u) << set.name;
    ASSERT_EQ(m.meshes.size(), 1u);
    const MeshContainer& mesh = m.meshes[0];
    EXPECT_EQ(mesh.bones.size(), 19u);  // every bone but the root "Bip01" moves some skin
    EXPECT_LE(mesh.maxVertexInfluences, 2u);
    EXPECT_GE(mesh.positions.size(), 1000u);
    EXPECT_LE(mesh.positions.size(), 3000u);
    for (int32_t frame : BindBones(m, mesh)) EXPECT_GE(frame, 0);
    // Every vertex is fully weighted.
    std::vector<float> sums(mesh.positions.size(), 0);
    for (const Bone& b : mesh.bones)
      for (size_t i = 0; i < b.vertices.size(); ++i) sums[b.vertices[i]] += b.weights[i];
    for (float s : sums) ASSERT_NEAR(s, 1.0f, 1e-4f);
    for (const ModelAsset& asset : DemoModels()) {
      if (asset.name != c.name) continue;
      EXPECT_EQ(asset.swaps.size(), c.skins);
    }
  }
}

TEST(DemoModels, CharactersStayWholeAndOnTheirFeetThroughEverySet) {
  for (const CharacterCase& c : kCharacters) {
    const Model m = Load(c.name);
    const float half = CharacterHeight(c.kind) / 2;
    for (uint32_t s = 0; s < m.animationSets.size(); ++s)
      for (double t : {0.0, 0.13, 0.37, 0.61, 1.9}) {
        SCOPED_TRACE(std::string(c.name) + " set " + m.animationSets[s].name + " at " +
                     std::to_string(t));
        std::vector<Matrix> combined;
        const SkinnedVertices skin = SkinAt(m, s, t, combined);
        float lowest = 1e9f, highest = -1e9f;
        for (const Vec3& p : skin.positions) {
          ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
          ASSERT_LT(Length(p), half * 1.3f);
          lowest = std::min(lowest, p.z);
          highest = std::max(highest, p.z);
        }
        // Feet on the floor of the box (a lifted foot is fine, both off the ground is not).
        EXPECT_NEAR(lowest, -half, 1.5f);
        EXPECT_LT(highest, half + 2.0f);
      }
  }
}

TEST(DemoModels, EverySetLoopsWithoutAJump) {
  for (const CharacterCase& c : kCharacters) {
    const Model m = Load(c.name);
    for (uint32_t s = 0; s < m.animationSets.size(); ++s) {
      const double period = m.animationSets[s].LengthInTicks() / m.animationSets[s].ticksPerSecond;
      std::vector<Matrix> start, end;
      const SkinnedVertices a = SkinAt(m, s, 0.01, start);
      const SkinnedVertices b = SkinAt(m, s, period + 0.01, end);
      for (size_t v = 0; v < a.positions.size(); ++v)
        ASSERT_LT(Length(Sub(a.positions[v], b.positions[v])), 0.01f) << c.name << " set " << s;
    }
  }
}

TEST(DemoModels, MovingSetsSwingTheLegs) {
  for (const CharacterCase& c : kCharacters) {
    const Model m = Load(c.name);
    const int32_t foot = m.FindFrame("Bip01_L_Foot");
    ASSERT_GE(foot, 0);
    for (const char* name : {"Walk", "Run"}) {
      uint32_t s = 0;
      while (m.animationSets[s].name != name) ++s;
      const double period = m.animationSets[s].LengthInTicks() / m.animationSets[s].ticksPerSecond;
      std::vector<Matrix> front, back;
      SkinAt(m, s, period * 0.25, front);
      SkinAt(m, s, period * 0.75, back);
      // A quarter cycle in, the left foot is ahead (towards -x); three quarters in, behind.
      EXPECT_LT(front[size_t(foot)][12], back[size_t(foot)][12] - 15) << c.name << " " << name;
    }
  }
}

TEST(DemoModels, GuardHoldsItsFlashlightForwardInItsRightHand) {
  const Model m = Load("guard");
  const int32_t hand = m.FindFrame("Bip01_R_Hand");
  ASSERT_GE(hand, 0);
  for (const char* name : {"Idle", "Walk", "Run"}) {
    uint32_t s = 0;
    while (m.animationSets[s].name != name) ++s;
    for (double t : {0.0, 0.2, 0.45}) {
      std::vector<Matrix> combined;
      SkinAt(m, s, t, combined);
      // The beam shines along the hand's x axis; the guard faces -x.
      const Vec3 beam = Normalize(TransformNormal({1, 0, 0}, combined[size_t(hand)]));
      EXPECT_LT(beam.x, -0.7f) << name << " at " << t;
      EXPECT_LT(combined[size_t(hand)][13], 0) << "the right hand is on the -y side";
    }
  }
}

}  // namespace
