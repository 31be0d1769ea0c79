#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "ai/AI.h"
#include "engine/VariableTable.h"
#include "entities/Guard.h"
#include "entities/TripLaser.h"
#include "logic/Logic.h"
#include "player/gadgets/SmokeGrenade.h"
#include "tests/ai/AgentMuseum.h"
#include "tests/support/EngineFixture.h"

// Guards in a round of the demo museum on its real physics world, the generator seeded with
// 777 and every frame 1/60 s: the user's thief is walked by the test. The lobby's walking guard
// patrols the hall and the east corridor from (200, -256), pausing there facing east and at the
// shop facing west; its sleeper lies in the Egyptian room at (640, -1440); the gallery's watcher
// stands at (8704, -1408).
namespace {

using platform::Vector3;

class GuardScenarioTest : public EngineFixture {
 protected:
  void SetUp() override {
    AgentMuseum::MakeTree(AgentMuseum::GuardSettings());
    museum.StartEngine();
    museum.StartRound();
    user = museum.User();
    ASSERT_NE(user, nullptr);
    ASSERT_EQ(museum.Guards().size(), 6u);
    walker = museum.GuardNear({200, -256, 65});
    sleeper = museum.GuardNear({640, -1440, 65});
    // Out of every guard's sight, in the sleeper's room but too far and too still to be heard.
    Put({100, -1400, 40});
  }

  void Put(const Vector3& at) {
    user->physical.SetPositionCached(at);
    user->playerPhysics.move = {};
  }
  // Frames with the user's thief walking along `way` at its speed.
  void Walk(const Vector3& way, double seconds) {
    for (double t = 0; t < seconds - 1e-9; t += AgentMuseum::kFrame) {
      user->playerPhysics.move = platform::Vec3Normalize(way) * (user->playerPhysics.speed * float(AgentMuseum::kFrame));
      museum.Frame();
    }
    user->playerPhysics.move = {};
  }
  // Frames until the guard's state is `state`, for at most `seconds`.
  bool RunUntil(Guard* guard, const std::string& state, double seconds) {
    for (double t = 0; t < seconds; t += AgentMuseum::kFrame) {
      if (guard->ai.GetStateName() == state) return true;
      museum.Frame();
    }
    return guard->ai.GetStateName() == state;
  }
  static std::string Action(Guard* guard) { return guard->ai.GetCurrentAction().Name; }
  static Entity* Quarry(Guard* guard) { return guard->ai.GetCurrentAction().target.Get(); }
  static bool AlarmOn() {
    bool on = false;
    ConsoleBinding::Get("AlarmOn", on);
    return on;
  }

  AgentMuseum museum{clock};
  MuseumThief* user = nullptr;
  Guard* walker = nullptr;
  Guard* sleeper = nullptr;
};

// The walker's pauses, in the order it makes them: where (x), facing (stored, reversed) and
// how long.
TEST_F(GuardScenarioTest, AGuardWalksItsMarkersInOrderPausingAndFacingAsTheMapSays) {
  struct Pause {
    float x, facing, seconds;
  };
  std::vector<Pause> pauses;
  float lowest = 1e9f, highest = -1e9f;
  bool pausing = false;
  for (double t = 0; t < 32.0; t += AgentMuseum::kFrame) {
    museum.Frame();
    const Vector3 at = walker->physical.GetPosition();
    lowest = std::min(lowest, at.x);
    highest = std::max(highest, at.x);
    const bool now = walker->ai.GetStateName() == "path pause";
    if (now && !pausing) pauses.push_back({at.x, walker->physical.direction.x, 0});
    if (now) pauses.back().seconds += float(AgentMuseum::kFrame);
    pausing = now;
  }
  ASSERT_EQ(pauses.size(), 3u);
  EXPECT_NEAR(pauses[0].x, 200, 60) << "at home first";
  EXPECT_FLOAT_EQ(pauses[0].facing, -1) << "east";
  EXPECT_NEAR(pauses[0].seconds, 2.0f, 0.1f);
  EXPECT_NEAR(pauses[1].x, 1536, 60) << "past the middle marker without stopping, to the shop";
  EXPECT_FLOAT_EQ(pauses[1].facing, 1) << "west";
  EXPECT_NEAR(pauses[1].seconds, 3.0f, 0.1f);
  EXPECT_NEAR(pauses[2].x, 200, 80) << "and back home";
  EXPECT_NEAR(walker->physical.GetPosition().y, -256, 20) << "along the hall";
  EXPECT_GT(highest, 1480);
  EXPECT_LT(lowest, 280);
}

// The walker stands at home, looking east. Behind it, or behind the hall's wall, the user's
// thief is not seen; ahead it is, with a surprise first, then a chase that is faster only
// against the user's own thief and above the easiest game.
TEST_F(GuardScenarioTest, AGuardSeesAheadNotBehindOrThroughAWallThenSpotsAndChases) {
  ASSERT_TRUE(RunUntil(walker, "path pause", 2.0));
  Put({120, -256, 40});
  museum.Run(1.0);
  EXPECT_EQ(walker->ai.GetStateName(), "path pause") << "the rear blind cone";
  Put({330, -1000, 40});
  museum.Run(1.0);
  EXPECT_EQ(walker->ai.GetStateName(), "path pause") << "the hall's north wall is between";
  Put({600, -256, 40});
  ASSERT_TRUE(RunUntil(walker, "spot thief", 1.0));
  EXPECT_EQ(Action(walker), "surprise");
  EXPECT_EQ(Quarry(walker), user);
  museum.Run(1.1);
  ASSERT_EQ(Action(walker), "chase");
  EXPECT_FLOAT_EQ(walker->playerPhysics.speed, 260 + 4 * 15) << "difficulty 2";
  Logic* logic = Engine::Get()->GetLogic();
  logic->GetConfig().difficulty = 3;
  museum.Frame();
  EXPECT_FLOAT_EQ(walker->playerPhysics.speed, 260 + 5 * 15);
  logic->GetConfig().difficulty = 1;
  museum.Frame();
  EXPECT_FLOAT_EQ(walker->playerPhysics.speed, 260);

  // A computer thief strictly nearer takes the chase, without the bonus.
  logic->GetConfig().difficulty = 3;
  auto* other = static_cast<MuseumThief*>(Engine::Get()->GetEntityManager()->Create(MuseumThief::kClassName));
  other->ai.Init(false);
  const Vector3 guardAt = walker->physical.GetPosition();
  other->physical.SetPositionCached(guardAt + Vector3{60, 0, 0});
  museum.Run(0.6);
  ASSERT_EQ(Quarry(walker), other);
  EXPECT_EQ(Action(walker), "chase");
  EXPECT_FLOAT_EQ(walker->playerPhysics.speed, 260);
}

// A thief that hides in its box ends the chase: the guard lets it go. Out and seen again soon
// after, it is chased at once; gone behind walls, it is looked for where it went.
TEST_F(GuardScenarioTest, ABoxEndsAChaseAndAThiefLostFromSightIsLookedFor) {
  Put({600, -256, 40});
  ASSERT_TRUE(RunUntil(walker, "chase", 3.0));
  user->info.inBox = 1;
  museum.Run(0.6);
  EXPECT_NE(Action(walker), "chase");
  EXPECT_NE(walker->ai.GetStateName(), "investigate after chase") << "nothing to look for";
  user->info.inBox = 0;
  museum.Run(0.6);
  EXPECT_EQ(Action(walker), "chase") << "no surprise within 3.3 s of the last";
  Put({100, -1400, 40});
  ASSERT_TRUE(RunUntil(walker, "investigate after chase", 1.0));
  EXPECT_EQ(Quarry(walker), user);
}

// The sleeper does not hear a thief standing 150 units away; it hears it walk, wakes, and
// sees it.
TEST_F(GuardScenarioTest, TheSleeperWakesForAWalkingThiefNotForAStillOne) {
  museum.Run(1.0);
  ASSERT_EQ(sleeper->ai.GetStateName(), "sleep");
  Put({490, -1440, 40});
  museum.Run(2.0);
  EXPECT_EQ(sleeper->ai.GetStateName(), "sleep");
  EXPECT_TRUE(sleeper->ai.asleep);
  Walk({-1, 0, 0}, 0.5);
  EXPECT_FALSE(sleeper->ai.asleep);
  EXPECT_TRUE(RunUntil(sleeper, "spot thief", 1.0));
}

// A smoke cloud 190 units from the gallery's watcher leaves it be; at 180 it sleeps.
TEST_F(GuardScenarioTest, SmokeAt180UnitsPutsAGuardToSleepNotAt190) {
  Guard* watcher = museum.GuardNear({8704, -1408, 65});
  museum.Run(0.5);
  const Vector3 at = watcher->physical.GetPosition();
  auto* bomb = static_cast<SmokeGrenade*>(Engine::Get()->GetEntityManager()->Instantiate(SmokeGrenade::kClassName));
  bomb->physical.createActor = 0;
  bomb->physical.SetPosition(at + Vector3{190, 0, 0});
  Entity::SetUp(bomb);
  museum.Run(1.0);
  ASSERT_TRUE(bomb->smoking);
  EXPECT_NE(watcher->ai.GetStateName(), "sleep now");
  bomb->physical.SetPosition(at + Vector3{180, 0, 0});
  EXPECT_TRUE(RunUntil(watcher, "sleep now", 1.0));
}

// The user's thief walks into the beam across the lobby's north corridor: the alarm shows and
// sounds, exactly one guard of the lobby (the nearest) goes to look, and the alarm goes off
// 5 s later.
TEST_F(GuardScenarioTest, ALaserAlarmSendsExactlyOneGuardAndEndsFiveSecondsLater) {
  museum.Run(1.0);
  TripLaser* laser = nullptr;
  for (Entity& entity : *Engine::Get()->GetLogic()->GetEntities(TripLaser::kClassName)) {
    auto* each = static_cast<TripLaser*>(&entity);
    if (each->mapIndex.mapIndex == 0 && each->physical.GetPosition().y < -700) laser = each;
  }
  ASSERT_NE(laser, nullptr);
  Put({384, -700, 40});
  museum.Frame();
  double walked = 0;
  for (; walked < 2.0 && !laser->alarmed; walked += AgentMuseum::kFrame) Walk({0, -1, 0}, AgentMuseum::kFrame);
  ASSERT_TRUE(laser->alarmed);
  EXPECT_TRUE(AlarmOn());
  EXPECT_EQ(museum.world->journal, std::vector<std::string>{"sound alarm at " + std::to_string(user->GetId())});
  // The nearest guard of the lobby, as they stood when the beam broke.
  Guard* nearest = nullptr;
  for (Guard* guard : museum.Guards()) {
    if (guard->mapIndex.mapIndex != 0) continue;
    const float d = platform::Vec3LengthSq(guard->physical.GetPosition() - user->physical.GetPosition());
    if (!nearest || d < platform::Vec3LengthSq(nearest->physical.GetPosition() - user->physical.GetPosition()))
      nearest = guard;
  }
  Put(user->physical.GetPosition() + Vector3{0, 150, 0});
  museum.Run(0.6);
  int sent = 0;
  for (Guard* guard : museum.Guards()) {
    if (guard->ai.GetStateName() != "investigate") continue;
    ++sent;
    EXPECT_EQ(guard, nearest);
    EXPECT_EQ(Quarry(guard), user);
  }
  EXPECT_EQ(sent, 1);
  museum.Run(5.0 - 0.6 - 0.2);
  EXPECT_TRUE(AlarmOn());
  museum.Run(0.4);
  EXPECT_FALSE(AlarmOn());
  EXPECT_FALSE(laser->alarmed);
}

// Held where it stands, a patrolling guard is lifted on five times and gives up on the sixth:
// its actions are dropped and it takes up its patrol again.
TEST_F(GuardScenarioTest, AStuckGuardGivesUpAfterFiveNudges) {
  museum.Run(4.0);
  const Vector3 stand = walker->physical.GetPosition();
  std::vector<int> counts;
  bool gaveUp = false;
  for (int frame = 0; frame < 60 && !gaveUp; ++frame) {
    walker->physical.SetPositionCached(stand);
    museum.Frame();
    const int nudges = walker->ai.route->nudges;
    if (counts.empty() || counts.back() != nudges) counts.push_back(nudges);
    gaveUp = walker->ai.current.Empty();
  }
  EXPECT_TRUE(gaveUp);
  EXPECT_EQ(counts, (std::vector<int>{0, 1, 2, 3, 4, 5, 0}));
  walker->physical.SetPositionCached(stand);
  museum.Run(0.1);
  EXPECT_EQ(walker->ai.GetStateName(), "patrol");
}

// What a guard is when a game starts, one line per guard.
std::vector<std::string> GuardsOfTheGame(const AgentMuseum& museum) {
  std::vector<std::string> lines;
  for (Guard* guard : museum.Guards()) {
    const Vector3 home = guard->ai.homePosition;
    char line[200];
    std::snprintf(line, sizeof line, "%.0f %.0f %.0f map %u variant %d lamp %d enabled %d asleep %d %s",
                  home.x, home.y, home.z, guard->mapIndex.mapIndex, guard->info.modelVariant, guard->ai.lamp,
                  guard->ai.enabled, guard->ai.asleep, guard->ai.brain->stateName.c_str());
    lines.push_back(line);
  }
  return lines;
}

// The gallery's watcher stands where it was put, in the one "look no light" it started with;
// the vault's guard asleep for good sleeps from the start.
TEST_F(GuardScenarioTest, TheWatcherStandsStillAndTheDeadGuardSleepsFromTheStart) {
  Guard* watcher = museum.GuardNear({8704, -1408, 65});
  Guard* dead = nullptr;
  for (Guard* guard : museum.Guards()) {
    if (!guard->ai.enabled) dead = guard;
  }
  ASSERT_NE(dead, nullptr);
  EXPECT_EQ(Action(dead), "sleep");
  const Vector3 at = watcher->physical.GetPosition();
  museum.Run(3.0);
  EXPECT_EQ(Action(watcher), "look no light");
  EXPECT_TRUE(watcher->ai.GetCurrentAction().started);
  EXPECT_GT(watcher->ai.actionTimer, 2.5f) << "the same action all along";
  const Vector3 moved = watcher->physical.GetPosition() - at;
  EXPECT_LT(std::hypot(moved.x, moved.y), 1.0f) << "it settles on the floor, no more";
  EXPECT_EQ(Action(dead), "sleep");
}

TEST_F(GuardScenarioTest, TenGamesInARowGiveTheSameGuards) {
  const std::vector<std::string> first = GuardsOfTheGame(museum);
  ASSERT_EQ(first.size(), 6u);
  for (int game = 2; game <= 10; ++game) {
    museum.Run(0.5);
    museum.StartRound();
    EXPECT_EQ(GuardsOfTheGame(museum), first) << "game " << game;
  }
  EXPECT_EQ(LogOf("EngineLog").find("could not be deleted"), std::string::npos);
}

// The same round played twice from a fresh start: the guards do the same things at the same
// places, frame for frame.
TEST_F(GuardScenarioTest, TheSameRoundPlayedTwiceGoesTheSameWay) {
  auto play = [this] {
    std::vector<std::string> trace;
    Put({640, -416, 40});
    for (int step = 0; step < 40; ++step) {
      museum.Run(0.25);
      for (Guard* guard : museum.Guards()) {
        const Vector3 at = guard->physical.GetPosition();
        char line[160];
        std::snprintf(line, sizeof line, "%d %.2f %.2f %.2f %s/%s", step, at.x, at.y, at.z,
                      guard->ai.GetStateName().c_str(), Action(guard).c_str());
        trace.push_back(line);
      }
    }
    return trace;
  };
  const std::vector<std::string> first = play();
  museum.StartEngine();
  museum.StartRound();
  user = museum.User();
  EXPECT_EQ(play(), first);
}

}  // namespace
