#include <filesystem>

#include "engine/Engine.h"
#include "physics/MapCollision.h"
#include "platform/physics/Controller.h"
#include "platform/physics/Scene.h"
#include "tests/physics/PhysicsTestSupport.h"

namespace {

using PhysicsSystemTest = PhysicsTest;

TEST_F(PhysicsSystemTest, StartUpWritesMissingSettingsFromDefaultsAndBindsNoclip) {
  StartPhysics();
  const std::string written = TempDir::Read(kPhysicsConfigPath);
  EXPECT_NE(written.find("<bool name=\"noclip\">true</bool>"), std::string::npos) << written;
  EXPECT_NE(written.find("<float name=\"z\">-500</float>"), std::string::npos) << written;
  // The camera paths are content: named as missing, not written.
  EXPECT_FALSE(TempDir::Exists(kInterpNodesPath));
  EXPECT_NE(LogOf("PhysicsLog").find("Failed to load config. Data/InterpNodes.xml: could not open file"),
            std::string::npos);
  ASSERT_TRUE(Engine::Get()->GetVariableTable()->Set("noclip", "false"));
  EXPECT_FALSE(physics->GetSettings().noclip);
}

TEST_F(PhysicsSystemTest, DemoSettingsTurnNoclipOff) {
  std::filesystem::copy_file(std::string(VR_DATA_DIR) + "/Data/PhysicsConfig.xml", kPhysicsConfigPath);
  StartPhysics();
  EXPECT_FALSE(physics->GetSettings().noclip);
  EXPECT_EQ(physics->GetSettings().gravity, (platform::Vector3{0, 0, -500}));
}

TEST_F(PhysicsSystemTest, MalformedSettingsAreLoggedAndKeepWhatWasRead) {
  TempDir::Write(kPhysicsConfigPath,
                 "<?xml version=\"1.0\"?>\n<var><bool name=\"noclip\">false</bool><var name=\"gravity\"><float>1</oops>");
  StartPhysics();
  EXPECT_NE(LogOf("PhysicsLog").find("Failed to load config. "), std::string::npos);
  EXPECT_FALSE(physics->GetSettings().noclip);
  // A broken file is not overwritten.
  EXPECT_NE(TempDir::Read(kPhysicsConfigPath).find("oops"), std::string::npos);
}

TEST_F(PhysicsSystemTest, ActorIsMadeAtTheNextUpdateAndStepsAreCappedAtATenthOfASecond) {
  StartPhysics();
  Prop* body = CreateBody({0, 0, 1000});
  EXPECT_FALSE(body->physical.actorCreated);
  Frames(1, 1.0);
  ASSERT_TRUE(body->physical.actorCreated);
  // One frame of a second simulates 0.1 s: v = 500 x 0.1.
  EXPECT_NEAR(body->physical.GetVelocity().z, -50.0f, 1.0f);
}

TEST_F(PhysicsSystemTest, WithTheRunFlagOffNothingIsCreatedOrMoved) {
  StartPhysics();
  physics->SetRunning(0);
  Prop* body = CreateBody({0, 0, 100});
  Frames(10);
  EXPECT_FALSE(body->physical.actorCreated);
  EXPECT_EQ(body->physical.GetPosition().z, 100.0f);
}

// The game start restarts the world while the last game's entities are only queued for
// deletion: they go at the start of the next frame, through the new world.
TEST_F(PhysicsSystemTest, RestartingWhileTheLastGameIsQueuedForDeletionIsClean) {
  StartPhysics();
  WorldBuilder floor;
  floor.AddBox({-500, -500, -10}, {500, 500, 0});
  MapCollision collision;
  for (int round = 0; round < 4; ++round) {
    ASSERT_TRUE(collision.CookWorldMesh(floor.map));
    EntityManager* entities = Engine::Get()->GetEntityManager();
    entities->BeginGroup("GameEnts");
    Prop* body = CreateBody({0, 0, 50});
    TestCharacter* thief = CreateCharacter({100, 0, 60});
    Frames(5);
    ASSERT_TRUE(body->physical.actorCreated);
    ASSERT_TRUE(thief->playerPhysics.controllerCreated);
    entities->DeleteGroup("GameEnts");
    physics->Shutdown();
    EXPECT_EQ(physics->GetScene(), nullptr);
    physics->Init();
    // Until the deletions run, the old entities hold no part of any world.
    EXPECT_FALSE(body->physical.actorCreated);
    EXPECT_FALSE(thief->playerPhysics.controllerCreated);
    Frames(2);
    EXPECT_EQ(physics->GetControllerManager()->GetNbControllers(), 0u);
  }
  ASSERT_TRUE(collision.CookWorldMesh(floor.map));
  // Only the map's actor lives in the last world.
  EXPECT_EQ(physics->GetScene()->GetNbActors(), 1u);
}

TEST_F(PhysicsSystemTest, EntitiesThatOutliveARestartGetActorsInTheNewWorld) {
  StartPhysics();
  Prop* body = CreateBody({0, 0, 500});
  Frames(10);
  const float height = body->physical.GetPosition().z;
  physics->Shutdown();
  physics->Init();
  EXPECT_FALSE(body->physical.actorCreated);
  EXPECT_FLOAT_EQ(body->physical.GetPosition().z, height);
  Frames(1);
  EXPECT_TRUE(body->physical.actorCreated);
  EXPECT_EQ(physics->EntityOfActor(body->physical.GetActor()), body);
}

}  // namespace
