#include <gtest/gtest.h>

#include "tests/ai/NavTestSupport.h"

// Following a route frame by frame with a test agent on the lobby's floor.
namespace {

class RouteFollowTest : public NavTest {
 protected:
  void SetUp() override {
    StartGame();
    AIMapData& lobby = *Ai()->GetMapData(0);
    // Two nodes of our own on the hall's floor, 300 apart.
    from = lobby.AddNode({200, -256, 40}).id;
    to = lobby.AddNode({500, -256, 40}).id;
  }

  void Give(RouteWalker* agent, std::vector<int32_t> ids, std::vector<PathPoint> points = {}) {
    auto route = std::make_unique<AIRoute>();
    route->nodeIds = std::move(ids);
    route->points = std::move(points);
    agent->request.SetRoute(std::move(route));
  }
  const platform::Vector3& Node(int32_t id) { return Map(0).nodes[size_t(id)].position; }

  int32_t from = 0, to = 0;
};

TEST_F(RouteFollowTest, ANodeIsReachedWithin27UnitsNotAt28) {
  for (const float gap : {27.0f, 28.0f}) {
    RouteWalker* agent = MakeAgent(Node(to) - platform::Vector3{gap, 0, 0});
    Give(agent, {from, to});
    agent->request.Step(0.01f, 0);
    EXPECT_EQ(agent->request.currentIndex, gap < 28.0f ? 1 : 0) << gap;
    // The agent steers towards the node: the move vector points at it, the facing away.
    EXPECT_GT(agent->controller.move.x, 0.0f);
    EXPECT_LT(agent->physical.direction.x, 0.0f);
  }
}

TEST_F(RouteFollowTest, AOneNodeRouteEndsAtOnceWithoutMoving) {
  RouteWalker* agent = MakeAgent(Node(from));
  Give(agent, {from});
  agent->request.Step(0.1f, 0);
  EXPECT_TRUE(agent->request.done);
  EXPECT_EQ(agent->request.GetRoute(), nullptr);
  EXPECT_EQ(agent->controller.move, platform::Vector3());
}

TEST_F(RouteFollowTest, AStuckAgentIsNudgedFiveTimesAndGivesUpOnTheSixthStuckFrame) {
  const platform::Vector3 stand = Node(from);
  RouteWalker* agent = MakeAgent(stand);
  Give(agent, {from, to});
  agent->request.Step(0.5f, 0);  // takes the first checkpoint
  for (int nudge = 1; nudge <= 5; ++nudge) {
    agent->physical.SetPosition(stand);  // a wall holds it
    agent->request.Step(0.5f, 0);
    EXPECT_EQ(agent->request.nudgeCount, nudge);
    // Lifted 30 and pushed twice its step (200 x 0.5) on towards the node.
    EXPECT_NEAR(agent->physical.GetPosition().z, stand.z + 30.0f, 0.01f);
    EXPECT_NEAR(agent->physical.GetPosition().x, stand.x + 200.0f, 0.01f);
  }
  EXPECT_EQ(agent->clears, 0);
  agent->physical.SetPosition(stand);
  agent->request.Step(0.5f, 0);
  EXPECT_EQ(agent->clears, 1);
  EXPECT_EQ(agent->request.nudgeCount, 0);
}

TEST_F(RouteFollowTest, ALegOf15SecondsRespawnsTheAgentAndABadIdDropsTheRoute) {
  RouteWalker* agent = MakeAgent(Node(from) - platform::Vector3{200, 0, 0});
  Give(agent, {from, to});
  agent->request.legTimer = 14.95f;
  agent->request.Step(0.05f, 0);
  EXPECT_EQ(agent->respawns, 1);
  Give(agent, {from, -1});
  agent->request.legTimer = 0.0f;
  agent->request.Step(0.05f, 0);
  EXPECT_EQ(agent->request.GetRoute(), nullptr);
  EXPECT_FALSE(agent->request.done);
}

TEST_F(RouteFollowTest, AnAwakeGuardPausesAndTurnsAtAPatrolPoint) {
  for (const bool awake : {true, false}) {
    RouteWalker* agent = MakeAgent(Node(to) - platform::Vector3{10, 0, 0});
    agent->pauses = awake;
    Give(agent, {from, to}, {{0.0f, from, ""}, {2.5f, to, "east"}});
    agent->request.Step(0.01f, 0);
    ASSERT_EQ(agent->request.currentIndex, 1);
    if (awake) {
      ASSERT_EQ(agent->requests.size(), 1u);
      EXPECT_EQ(agent->requests[0].first, "path pause");
      EXPECT_FLOAT_EQ(agent->requests[0].second, 2.5f);
      EXPECT_EQ(agent->physical.direction, (platform::Vector3{-1, 0, 0}));
    } else {
      EXPECT_TRUE(agent->requests.empty());
    }
  }
}

}  // namespace
