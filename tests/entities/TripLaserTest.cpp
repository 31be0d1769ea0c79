#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ai/AIComponent.h"
#include "ai/AlarmMessage.h"
#include "entities/TripLaser.h"
#include "engine/ConsoleWindow.h"
#include "entities/TripLaserTrigger.h"
#include "player/PlayerMessages.h"
#include "tests/entities/LevelTestSupport.h"

namespace {

// A body that stands in a beam: a thief or a guard by its AI's kind.
class Intruder : public EntityClass<Intruder> {
 public:
  static constexpr char kClassName[] = "Intruder";
  static void Describe(ClassBuilder<Intruder>& c) {
    c.Component(&Intruder::physical);
    c.Component(&Intruder::info);
    c.Component(&Intruder::ai);
  }
  Intruder() { physical.isStatic = 1; }
  void OnCreate() override {}

  PhysicalComp physical;
  PlayerInfo info;
  AIComponent ai;
};

// Hears the alarm as its receivers do.
class AlarmEar : public EntityClass<AlarmEar> {
 public:
  static constexpr char kClassName[] = "AlarmEar";
  static void Describe(ClassBuilder<AlarmEar>& c) { c.Message(kAlarm, &AlarmEar::Alarm); }
  void OnCreate() override { Engine::Get()->Subscribe(this, kAlarmChannel); }
  void Alarm(platform::Vector3 at, uint32_t thief) { heard.push_back({at, thief}); }

  std::vector<std::pair<platform::Vector3, uint32_t>> heard;
};

class TripLaserTest : public LevelTest {
 protected:
  void SetUp() override {
    StartGame();
    RegisterEntityClass<Intruder>("LogicLog");
    RegisterEntityClass<AlarmEar>("LogicLog");
    ear = static_cast<AlarmEar*>(Engine::Get()->GetEntityManager()->Create("AlarmEar"));
    lasers = All<TripLaser>();
    ASSERT_EQ(lasers.size(), 7u);
    // The lobby's first laser shines across the north corridor.
    laser = lasers[0];
  }
  // A body of that kind halfway along the laser's beam, in the world from the next frame on.
  Intruder* StepIn(const char* kind, float along = 0.5f) {
    auto* body = static_cast<Intruder*>(Engine::Get()->GetEntityManager()->Instantiate("Intruder"));
    const platform::Vector3 from = laser->physical.GetPosition();
    body->physical.SetPosition(from + (laser->restEnd - from) * along);
    body->ai.kind = kind;
    Entity::SetUp(body);
    return body;
  }
  void Run(double seconds) {
    for (double t = 0; t < seconds - 1e-9; t += 0.1) EngineFixture::Frame(0.1);
  }
  platform::Vector3 BeamEnd() const { return {laser->vertices[2].x, laser->vertices[2].y, laser->vertices[2].z}; }

  AlarmEar* ear = nullptr;
  std::vector<TripLaser*> lasers;
  TripLaser* laser = nullptr;
};

TEST_F(TripLaserTest, EveryLaserShinesFromItsWallAcrossTheRoom) {
  const Physics* physics = Engine::Get()->GetPhysics();
  for (TripLaser* each : lasers) {
    const platform::Vector3 at = each->physical.GetPosition();
    SCOPED_TRACE(std::to_string(at.x) + ", " + std::to_string(at.y));
    EXPECT_TRUE(each->enabled);
    EXPECT_NEAR(platform::Vec3Length(each->beamDirection), 1.0f, 1e-5f);
    EXPECT_EQ(each->beamDirection.z, 0.0f);
    RayHit behind;
    ASSERT_TRUE(physics->RayCast(at.x, at.y, at.z, -each->beamDirection.x, -each->beamDirection.y, 0, &behind));
    EXPECT_NEAR(behind.distance, 2.0f, 0.01f);
    EXPECT_GT(platform::Vec3Length(each->restEnd - at), 100.0f) << "the rest end lies across the room";
    auto* box = dynamic_cast<TripLaserTrigger*>(each->trigger.Get());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->laser.Get(), each);
    EXPECT_EQ(box->physical.GetPosition(), at);
  }
  // Its own trigger box does not cut the beam at the emitter.
  Frame();
  EXPECT_LT(platform::Vec3Length(BeamEnd() - laser->restEnd), 0.01f);
}

TEST_F(TripLaserTest, AThiefInTheBeamRaisesOneAlarmEveryFiveSecondsAndAGuardNone) {
  Intruder* guard = StepIn("guard", 0.3f);
  Run(0.2);
  EXPECT_TRUE(ear->heard.empty());
  EXPECT_LT(platform::Vec3Length(BeamEnd() - laser->physical.GetPosition()),
            platform::Vec3Length(laser->restEnd - laser->physical.GetPosition()) * 0.5f)
      << "the guard shortens the beam";
  Engine::Get()->GetEntityManager()->QueueDelete(guard);

  Intruder* thief = StepIn("thief");
  Run(0.2);
  ASSERT_EQ(ear->heard.size(), 1u);
  EXPECT_EQ(ear->heard[0].second, thief->GetId());
  EXPECT_LT(platform::Vec3Length(ear->heard[0].first - thief->physical.GetPosition()), 12.0f);
  EXPECT_EQ(laser->alarmed, 1);
  Run(4.6);
  EXPECT_EQ(ear->heard.size(), 1u) << "no second alarm within 5 s";
  Run(0.5);
  EXPECT_EQ(ear->heard.size(), 2u);
}

TEST_F(TripLaserTest, ABeamEndingOneUnitShortOfItsRestEndIsUnbroken) {
  StepIn("thief");
  laser->enabled = 0;
  Run(0.1);
  laser->enabled = 1;
  laser->Update();
  const platform::Vector3 end = BeamEnd();
  ASSERT_TRUE(ear->heard.size() == 1u);
  laser->ResetAlarm();
  ear->heard.clear();
  laser->restEnd = end + laser->beamDirection * 1.0f;
  laser->Update();
  EXPECT_TRUE(ear->heard.empty());
  laser->restEnd = end + laser->beamDirection * 1.01f;
  laser->Update();
  EXPECT_EQ(ear->heard.size(), 1u);
}

TEST_F(TripLaserTest, OverlappingDisablesKeepTheLaserOffUntilTheLastRunsOut) {
  StepIn("thief");
  auto* box = static_cast<TripLaserTrigger*>(laser->trigger.Get());
  box->Send(kDisable, 5.0f);
  const auto& lines = Engine::Get()->GetConsole()->GetWindow()->Lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().first, " TRIP LASER DISABLED FOR: 5");
  Run(2.0);
  box->Send(kDisable, 5.0f);
  Run(3.1);
  EXPECT_EQ(laser->enabled, 0) << "the second disable still holds";
  EXPECT_EQ(laser->DrawBeam(), nullptr);
  EXPECT_TRUE(ear->heard.empty());
  Run(2.0);
  EXPECT_EQ(laser->enabled, 1);
  EXPECT_EQ(laser->disableCount, 0);
  laser->ResetTased();
  EXPECT_EQ(laser->disableCount, 0) << "never below 0";
  Run(0.1);
  EXPECT_EQ(ear->heard.size(), 1u);
}

TEST_F(TripLaserTest, APausedTimerHoldsTheScrollTheBlinkAndTheAlarmReset) {
  StepIn("thief");
  Run(0.2);
  ASSERT_EQ(ear->heard.size(), 1u);
  Engine::Get()->GetTimer()->SetPaused(true);
  const float scroll = laser->vertices[0].tv1;
  const float blink = laser->blinkTimer;
  Run(6.0);
  laser->DrawBeam();
  EXPECT_EQ(laser->vertices[0].tv1, scroll);
  EXPECT_EQ(laser->blinkTimer, blink);
  EXPECT_EQ(laser->alarmed, 1);
  Engine::Get()->GetTimer()->SetPaused(false);
  Run(5.2);
  EXPECT_EQ(ear->heard.size(), 2u);
}

TEST_F(TripLaserTest, TheBeamBlinksWhileAlarmedAndTheEmitterAlways) {
  laser->blinkPhase = 0;
  laser->blinkTimer = 0;
  EngineFixture::Frame(0.1);
  EXPECT_NE(laser->DrawBeam(), nullptr) << "armed: always shown";
  laser->alarmed = 1;
  bool shown = false, hidden = false;
  for (int i = 0; i < 8; ++i) {
    EngineFixture::Frame(0.1);
    (laser->DrawBeam() ? shown : hidden) = true;
  }
  EXPECT_TRUE(shown);
  EXPECT_TRUE(hidden);
}

TEST_F(TripLaserTest, ALaserWithNoWallStaysWhereItStandsSwitchedOff) {
  auto* stray = static_cast<TripLaser*>(Engine::Get()->GetEntityManager()->Instantiate("TripLaser"));
  stray->physical.SetPosition({-50000, 50000, 50000});
  Entity::SetUp(stray);
  EXPECT_EQ(stray->enabled, 0);
  EXPECT_EQ(stray->physical.GetPosition(), (platform::Vector3{-50000, 50000, 50000}));
  EXPECT_EQ(stray->trigger.Get(), nullptr);
  EXPECT_NE(NewLogicLog().find("finds no wall"), std::string::npos);
  Frame();
  EXPECT_EQ(stray->DrawBeam(), nullptr);
}

}  // namespace
