#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "entity/Entity.h"
#include "graphics/Camera.h"
#include "graphics/ModelComp.h"
#include "graphics/ModelScene.h"
#include "physics/ClusterInfo.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "tests/support/EngineFixture.h"

namespace {

// An owner with a model, a place, a map index and a cluster, noting the messages it gets.
class Owner : public Entity {
 public:
  explicit Owner(std::vector<std::string>* journal, const char* name) : Entity(&ClassName), journal_(journal), name_(name) {
    model.owner = mapIndex.owner = cluster.owner = physical.owner = this;
  }
  static const char* ClassName() { return "Owner"; }
  void ReadKeys(KeyValueMap&) override {}
  void WriteEntKeys(XmlWriter&) override {}
  void WriteFgdKeys(FgdWriter&) override {}
  void Save(XmlWriter&) override {}
  void Load(XmlReader&) override {}
  Component* GetComponent(const std::string& n) override {
    if (n == "Model") return &model;
    if (n == "MapIndexComp") return &mapIndex;
    if (n == "ClusterInfo") return &cluster;
    if (n == "Physical") return &physical;
    return nullptr;
  }
  void HandleMessage(const std::string& message, MessageArgs*) override { journal_->push_back(name_ + " " + message); }
  void InitComponents() override {}
  void OnCreate() override {}

  ModelComp model;
  MapIndexComp mapIndex;
  ClusterInfo cluster;
  PhysicalComp physical;

 private:
  std::vector<std::string>* journal_;
  std::string name_;
};

// The current map is 0 and sees every cluster but 7.
class World : public ModelWorld {
 public:
  bool IsClusterVisible(int32_t cluster) override { return cluster != 7; }
};

class ModelDispatchTest : public EngineFixture {
 protected:
  ModelDispatchTest() {
    Bare();
    scene.SetWorld(&world);
  }
  Owner& Add(const char* name) {
    owners.push_back(std::make_unique<Owner>(&messages, name));
    scene.AddModel(&owners.back()->model);
    return *owners.back();
  }

  World world;
  ModelScene scene;
  std::vector<std::string> messages;
  std::vector<std::unique_ptr<Owner>> owners;
};

TEST_F(ModelDispatchTest, VisibleModelsAreAnnouncedAroundTheirDrawInListOrder) {
  Add("a");
  Add("b");
  scene.DrawModels();
  EXPECT_EQ(messages, (std::vector<std::string>{"a OnModelDraw", "a OnModelUpdate", "b OnModelDraw", "b OnModelUpdate"}));
  EXPECT_EQ(owners[0]->model.notDrawnThisFrame, 0);
}

TEST_F(ModelDispatchTest, HiddenCulledAndSortedModelsAreNotAnnounced) {
  Add("hidden").model.visible = 0;
  Add("elsewhere").mapIndex.mapIndex = 2;
  Add("unseen").cluster.cluster = 7;
  Add("sorted").model.sorted = 1;
  scene.DrawModels();
  EXPECT_TRUE(messages.empty());
  for (auto& owner : owners) EXPECT_EQ(owner->model.notDrawnThisFrame, 1) << owner->GetId();
  ASSERT_EQ(scene.GetDeferred().size(), 1u);
  EXPECT_EQ(scene.GetDeferred()[0], &owners[3]->model);
}

TEST_F(ModelDispatchTest, ModelsThatAreNotMapCulledShowFromAnyMapAndCluster) {
  Owner& owner = Add("emblem");
  owner.model.mapCulled = 0;
  owner.mapIndex.mapIndex = 3;
  owner.cluster.cluster = 7;
  scene.DrawModels();
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(ModelDispatchTest, SortedModelsAreDrawnFarthestFirst) {
  Camera camera;
  camera.position = {0, 0, 0};
  scene.SetActiveCamera(&camera);
  for (float x : {10.0f, 30.0f, 20.0f}) {
    Owner& owner = Add("s");
    owner.model.sorted = 1;
    owner.physical.SetPosition({x, 0, 0});
  }
  scene.DrawModels();
  scene.DrawDeferredModels();
  ASSERT_EQ(scene.GetDeferred().size(), 3u);
  EXPECT_EQ(scene.GetDeferred()[0], &owners[1]->model);
  EXPECT_EQ(scene.GetDeferred()[1], &owners[2]->model);
  EXPECT_EQ(scene.GetDeferred()[2], &owners[0]->model);
}

TEST_F(ModelDispatchTest, ARemovedModelLeavesTheList) {
  Owner& owner = Add("gone");
  scene.RemoveModel(&owner.model);
  scene.DrawModels();
  EXPECT_TRUE(messages.empty());
}


}  // namespace
