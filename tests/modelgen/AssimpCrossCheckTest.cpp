// An independent reader agrees on the generated thief: the file is ordinary text model data,
// not just something our own reader accepts.
#include <assimp/postprocess.h>
#include <assimp/scene.h>
#include <gtest/gtest.h>

#include <assimp/Importer.hpp>
#include <set>

#include "platform/xfile/Model.h"
#include "tools/modelgen/Catalogue.h"

namespace {

TEST(AssimpCrossCheck, ThiefHasTheSameBonesFramesAndAnimations) {
  const std::string path = std::string(VR_GENERATED_DIR) + "/" + modelgen::ModelPath("thief");
  Assimp::Importer importer;
  const aiScene* scene = importer.ReadFile(path, aiProcess_MakeLeftHanded);
  ASSERT_NE(scene, nullptr) << importer.GetErrorString();
  platform::xfile::ReadResult ours = platform::xfile::ReadModelFile(path);
  ASSERT_TRUE(ours.model) << ours.error;

  ASSERT_EQ(scene->mNumMeshes, 1u);
  const aiMesh* mesh = scene->mMeshes[0];
  const auto& ourMesh = ours.model->meshes[0];
  EXPECT_EQ(mesh->mNumBones, ourMesh.bones.size());
  EXPECT_EQ(mesh->mNumFaces, ourMesh.TriangleCount());
  std::set<std::string> bones;
  for (unsigned i = 0; i < mesh->mNumBones; ++i) bones.insert(mesh->mBones[i]->mName.C_Str());
  for (const auto& b : ourMesh.bones) EXPECT_TRUE(bones.count(b.name)) << b.name;
  EXPECT_NE(scene->mRootNode->FindNode("Bip01_R_Hand"), nullptr);

  // Assimp keeps file order; ours numbers the sets from the end of the file.
  const auto& sets = ours.model->animationSets;
  ASSERT_EQ(scene->mNumAnimations, sets.size());
  for (size_t i = 0; i < sets.size(); ++i) {
    const aiAnimation* a = scene->mAnimations[sets.size() - 1 - i];
    EXPECT_EQ(std::string(a->mName.C_Str()), sets[i].name);
    EXPECT_EQ(a->mNumChannels, sets[i].animations.size());
    EXPECT_DOUBLE_EQ(a->mTicksPerSecond, sets[i].ticksPerSecond);
  }
}

}  // namespace
