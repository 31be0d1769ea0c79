#include <gtest/gtest.h>

#include <algorithm>

#include "ai/AIListControlEntity.h"
#include "engine/VariableTable.h"
#include "ai/AlarmMessage.h"
#include "tests/ai/AgentTestSupport.h"

// What the AI does when a laser's alarm goes off and when the user's thief teleports.
namespace {

class AlarmTest : public AgentTest {
 protected:
  AlarmTest() {
    BindBoolVariable("AlarmOn", &alarmOn);
    RegisterEntityClass<AIListControlEntity>("AI Log");
    static_cast<AIListControlEntity*>(Engine::Get()->GetEntityManager()->Create(AIListControlEntity::kClassName))->roster =
        &roster;
    user = Thief({0, 0, 40});
    user->ai.enabled = 0;
    world.controlled.Set(user);
    near = Guard({300, 0, 40});
    far = Guard({500, 0, 40});
    elsewhere = Guard({10, 0, 40}, 1);
    computer = Thief({0, 100, 40});
  }

  void Alarm(TestAgent* thief) { Engine::Get()->Broadcast(kAlarm, kAlarmChannel, Where(thief), thief->GetId()); }
  // The sets requested of each of the three guards, as "<guard>:<set>".
  std::vector<std::string> Sent() {
    std::vector<std::string> sent;
    const std::pair<const char*, TestAgent*> guards[] = {{"near", near}, {"far", far}, {"elsewhere", elsewhere}};
    for (const auto& [name, guard] : guards) {
      for (const AIActionSet& set : guard->ai.pendingSets) sent.push_back(std::string(name) + ":" + set.name);
      guard->ai.pendingSets.clear();
    }
    return sent;
  }
  int Sounds() const {
    return static_cast<int>(std::count_if(world.journal.begin(), world.journal.end(),
                                          [](const std::string& line) { return line.starts_with("sound "); }));
  }

  bool alarmOn = false;
  TestAgent* user;
  TestAgent* near;
  TestAgent* far;
  TestAgent* elsewhere;
  TestAgent* computer;
};

TEST_F(AlarmTest, TheUsersThiefRaisesTheAlarmOnScreenAndInSoundAndTheNearestGuardGoes) {
  Alarm(user);
  EXPECT_TRUE(alarmOn);
  EXPECT_EQ(world.journal, std::vector<std::string>{"sound alarm at " + std::to_string(user->GetId())});
  ASSERT_EQ(near->ai.pendingSets.size(), 1u);
  EXPECT_EQ(near->ai.pendingSets[0].actions.front().target.Get(), user);
  EXPECT_EQ(Sent(), std::vector<std::string>{"near:investigate"});
}

TEST_F(AlarmTest, AComputerThiefsAlarmShowsOnlyInTheUsersMapAndNeverSounds) {
  Alarm(computer);
  EXPECT_TRUE(alarmOn) << "the user's map";
  EXPECT_EQ(Sent(), std::vector<std::string>{"near:investigate"});
  alarmOn = false;
  computer->mapIndex.mapIndex = 1;
  Alarm(computer);
  EXPECT_FALSE(alarmOn) << "another map";
  EXPECT_EQ(Sent(), std::vector<std::string>{"elsewhere:investigate"}) << "a guard of the thief's map";
  EXPECT_EQ(Sounds(), 0);
}

TEST_F(AlarmTest, WithoutAThiefUnderControlOnlyTheGuardsAnswer) {
  world.controlled = EntityHandle();
  Alarm(user);
  EXPECT_FALSE(alarmOn);
  EXPECT_EQ(Sounds(), 0);
  EXPECT_EQ(Sent(), std::vector<std::string>{"near:investigate"});
}

TEST_F(AlarmTest, ChasingGuardsAreNotSentAndABadAlarmIsRefused) {
  for (TestAgent* guard : {near, far}) {
    guard->ai.SetActionSet("chase", 0, computer);
    guard->ai.ProcessPendingSets();
  }
  Alarm(user);
  EXPECT_TRUE(alarmOn) << "shown and sounded all the same";
  EXPECT_EQ(Sounds(), 1);
  EXPECT_TRUE(Sent().empty());
  alarmOn = false;
  MessageArgs wrong = MessageArgs::FromWord(user->GetId());
  Engine::Get()->BroadcastWithArgs("Alarm", kAlarmChannel, &wrong);
  EXPECT_FALSE(alarmOn);
  EXPECT_NE(LogOf("AI Log").find("Incorrect number of parameters"), std::string::npos);
}

// The user's thief arrives at a teleporter's target at the origin of map 1.
class TeleportTest : public AgentTest {
 protected:
  TeleportTest() {
    user = Thief({0, 0, 40}, 0);
    user->ai.enabled = 0;
    world.controlled.Set(user);
  }
  TestAgent* GuardAway(float distance) {
    TestAgent* guard = Guard({distance, 0, 0}, 1);
    guard->ai.homePosition = {5000, 5000, 40};
    return guard;
  }

  TestAgent* user;
};

TEST_F(TeleportTest, GuardsCloserThan1200UnitsToTheArrivalGoHome) {
  TestAgent* inside = GuardAway(1199);
  TestAgent* outside = GuardAway(1201);
  TestAgent* onTheEdge = GuardAway(1200);
  TestAgent* thief = Thief({10, 0, 0}, 1);
  ai.OnPlayerTeleport({0, 0, 0});
  EXPECT_EQ(Where(inside), inside->ai.homePosition);
  EXPECT_EQ(Where(outside), (platform::Vector3{1201, 0, 0}));
  EXPECT_EQ(Where(onTheEdge), (platform::Vector3{1200, 0, 0})) << "the distance must be below 1200";
  EXPECT_EQ(Where(thief), (platform::Vector3{10, 0, 0})) << "only guards";
}

}  // namespace
