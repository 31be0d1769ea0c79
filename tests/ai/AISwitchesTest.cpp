#include <gtest/gtest.h>

#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "engine/VariableTable.h"
#include "tests/support/EngineFixture.h"

namespace {

class AISwitchesTest : public EngineFixture {
 protected:
  AI* StartAI() {
    SystemFactories systems = RecordingSystems();
    systems.ai = [] { return new AI(*Engine::Instance()); };
    Engine::Instance()->Init(systems);
    return Engine::Get()->GetAI();
  }
};

TEST_F(AISwitchesTest, TheConsoleVariablesAreTheRunAndChaseSwitches) {
  AI* ai = StartAI();
  ASSERT_TRUE(SetVariable("AI_Run", false));
  ASSERT_TRUE(SetVariable("AI_Chase", true));
  EXPECT_FALSE(ai->RunSwitch());
  EXPECT_TRUE(ai->ChaseSwitch());
  ai->RunSwitch() = true;
  bool run = false;
  ASSERT_TRUE(ConsoleBinding::Get("AI_Run", run));
  EXPECT_TRUE(run);
}

TEST_F(AISwitchesTest, NodeEditingIsOffWhenTheAIStarts) {
  AI ai{*Engine::Instance()};
  ai.NodeEditSwitch() = true;
  Start();
  ai.Init();
  EXPECT_FALSE(ai.NodeEditSwitch());
}

// Two nodes by the thief's spot, the nearer one a teleporter's.
TEST_F(AISwitchesTest, TheDeveloperMarksPassOverTeleportersAndDeletedNodes) {
  AI ai{*Engine::Instance()};
  Start();
  ai.OnMapLoad("scratch", 0);
  AIMapData& map = *ai.GetMapData(0);
  map.nodes.clear();
  map.AddNode({110, 200, 300}).teleporter = 1;
  map.AddNode({150, 200, 300});
  auto marked = [&](size_t i) { return map.nodes[i].deleted || map.nodes[i].excluded; };

  ai.MarkNearestNode({100, 200, 300}, NodeMark::kDeleted);
  ai.MarkNearestNode({100, 200, 300}, NodeMark::kExcluded);
  EXPECT_FALSE(marked(0)) << "the nearest node is the teleporter's";
  EXPECT_FALSE(marked(1));
  map.nodes[0].teleporter = 0;
  ai.MarkNearestNode({100, 200, 300}, NodeMark::kDeleted);
  EXPECT_TRUE(map.nodes[0].deleted);
  // A node marked for deletion is passed over.
  ai.MarkNearestNode({100, 200, 300}, NodeMark::kExcluded);
  EXPECT_TRUE(map.nodes[1].excluded);
  EXPECT_FALSE(map.nodes[0].excluded);
}

}  // namespace
