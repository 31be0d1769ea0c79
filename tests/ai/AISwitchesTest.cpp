#include <gtest/gtest.h>

#include "ai/AI.h"
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

}  // namespace
