#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "map/VisibleFaceWalk.h"
#include "platform/math/Frustum.h"
#include "tests/map/MapTestSupport.h"

namespace {

// The lobby's rooms by their cluster (the plan's order): the Entrance hall, East corridor,
// Souvenir shop, North corridor, Egyptian room, Entrance corridor and Cloakroom. Doors join 0-1,
// 1-2, 0-3, 3-4, 4-5 and 5-6; a cluster sees what lies within three doorways.
constexpr int32_t kHall = 0, kEastCorridor = 1, kShop = 2, kNorthCorridor = 3, kEgypt = 4, kEntrance = 5,
                  kCloakroom = 6;
// The middle of the Souvenir shop at eye height, in the world frame (y negated).
const platform::Vector3 kInShop{1536, -256, 64};
const platform::Vector3 kInEgypt{384, -1280, 64};

class VisibleFaceWalkTest : public MapFixture {
 protected:
  void SetUp() override {
    const std::vector<uint8_t> bytes = DemoMapBytes("lobby.bsp");
    platform::WriteFileAtomic("Maps/lobby.bsp", std::string(bytes.begin(), bytes.end()));
    map.Load("Maps/lobby.bsp");
  }

  // Places the camera and walks with `frustum`, as a frame does.
  void Walk(const platform::Vector3& eye, const platform::Frustum& frustum = platform::Frustum()) {
    map.UpdateCameraCluster(&eye);
    if (!map.IsVisLocked())
      walk.Collect(map.Data(), map.GetRenderData().GetTextureFlags(), frustum, eye, map.GetCameraCluster(),
                   map.GetRenderData().FaceQueued());
  }

  // The clusters of the leaves that queued faces.
  std::set<int32_t> QueuedClusters() const {
    std::set<int32_t> clusters;
    for (const auto& list : walk.Lists())
      for (const QueuedFace& f : list) clusters.insert(map.Data().leaves[size_t(f.leaf)].cluster);
    return clusters;
  }

  size_t QueuedCount() const {
    size_t n = 0;
    for (const auto& list : walk.Lists()) n += list.size();
    return n;
  }

  BspMap map;
  VisibleFaceWalk walk;
};

TEST_F(VisibleFaceWalkTest, ARoomSeesItselfAndItsNeighboursButNotTheFarRooms) {
  Walk(kInShop);
  ASSERT_EQ(map.GetCameraCluster(), kShop);
  EXPECT_EQ(QueuedClusters(), (std::set<int32_t>{kHall, kEastCorridor, kShop, kNorthCorridor}));

  map.GetRenderData().FaceQueued().assign(map.Data().faces.size(), 0);
  Walk(kInEgypt);
  ASSERT_EQ(map.GetCameraCluster(), kEgypt);
  EXPECT_EQ(QueuedClusters(), (std::set<int32_t>{kHall, kEastCorridor, kNorthCorridor, kEgypt, kEntrance, kCloakroom}));
}

TEST_F(VisibleFaceWalkTest, EachFaceIsQueuedOnceUnderItsTexture) {
  Walk(kInShop);
  std::set<int32_t> faces;
  for (size_t t = 0; t < walk.Lists().size(); ++t) {
    for (const QueuedFace& f : walk.Lists()[t]) {
      EXPECT_TRUE(faces.insert(f.face).second) << "face " << f.face << " queued twice";
      EXPECT_EQ(map.Data().faces[size_t(f.face)].texture, int32_t(t));
      EXPECT_EQ(map.GetRenderData().FaceQueued()[size_t(f.face)], 1);
    }
  }
  // Still marked (not yet drawn): a second walk adds nothing.
  Walk(kInShop);
  EXPECT_EQ(QueuedCount(), 0u);
}

TEST_F(VisibleFaceWalkTest, TheViewFrustumCullsWhatIsBehindTheCamera) {
  // In the shop's east half, looking east at its far wall: the corridor and hall behind the
  // camera are culled; the shop's own faces ahead remain.
  const platform::Vector3 eye{1700, -256, 64};
  platform::Matrix viewProjection =
      platform::MatrixLookAtLH(eye, eye + platform::Vector3{1, 0, 0}, {0, 0, 1}) *
      platform::MatrixPerspectiveFovLH(float(M_PI) / 4, 4.0f / 3.0f, 1.0f, 10000.0f);
  platform::Frustum frustum;
  frustum.Build(viewProjection);
  Walk(eye, frustum);
  const std::set<int32_t> clusters = QueuedClusters();
  EXPECT_TRUE(clusters.count(kShop));
  EXPECT_FALSE(clusters.count(kHall));
  EXPECT_FALSE(clusters.count(kNorthCorridor));
}

TEST_F(VisibleFaceWalkTest, LockVisKeepsTheClusterOfTheMomentItWasSet) {
  Walk(kInShop);
  map.SetLockVis(true);
  map.GetRenderData().FaceQueued().assign(map.Data().faces.size(), 0);
  Walk(kInEgypt);
  EXPECT_EQ(map.GetCameraCluster(), kShop);
  EXPECT_FALSE(QueuedClusters().count(kEgypt)) << "the lists of the shop are kept";

  map.SetLockVis(false);
  Walk(kInEgypt);
  EXPECT_TRUE(QueuedClusters().count(kEgypt));
}

// What is built from the lists (the draw batches) is rebuilt only when the generation moves.
TEST_F(VisibleFaceWalkTest, TheGenerationMovesOnlyWhenTheVisibleSetChanges) {
  auto walkFrom = [&](const platform::Vector3& eye) {
    map.GetRenderData().FaceQueued().assign(map.Data().faces.size(), 0);
    Walk(eye);
    return walk.Generation();
  };
  const uint64_t shop = walkFrom(kInShop);
  EXPECT_EQ(walkFrom(kInShop), shop) << "the same view";
  EXPECT_EQ(walkFrom(kInShop + platform::Vector3{0, 0, 8}), shop) << "a step that crosses no plane";
  const uint64_t egypt = walkFrom(kInEgypt);
  EXPECT_EQ(egypt, shop + 1);
  EXPECT_EQ(walkFrom(kInShop), egypt + 1) << "back again";
}

TEST_F(VisibleFaceWalkTest, AMapWithoutVisibilityDataShowsEveryLeafInTheFrustum) {
  BspFileContents contents = MinimalMap();
  contents.clusterCount = 0;
  contents.bytesPerCluster = 0;
  contents.visBits.clear();
  BspMap minimal;
  Load(minimal, contents, "novis.bsp");
  const platform::Vector3 eye{0, 0, 0};
  walk.Collect(minimal.Data(), minimal.GetRenderData().GetTextureFlags(), platform::Frustum(), eye, 1,
               minimal.GetRenderData().FaceQueued());
  size_t n = 0;
  for (const auto& list : walk.Lists()) n += list.size();
  EXPECT_EQ(n, minimal.Data().faces.size());
}

TEST_F(VisibleFaceWalkTest, ClipFacesAreNeverQueued) {
  BspFileContents contents = MinimalMap();
  std::snprintf(contents.textures[0].name, sizeof contents.textures[0].name, "%s", "textures/common/clip");
  BspMap minimal;
  Load(minimal, contents, "clip.bsp");
  const platform::Vector3 eye{0, 0, 0};
  walk.Collect(minimal.Data(), minimal.GetRenderData().GetTextureFlags(), platform::Frustum(), eye, -1,
               minimal.GetRenderData().FaceQueued());
  EXPECT_TRUE(walk.Lists()[0].empty());
}

}  // namespace
