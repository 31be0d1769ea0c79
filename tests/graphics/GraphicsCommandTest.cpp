// The graphics console commands as typed, their bad arguments, and the click that toggles a
// variable of the panel.
#include <gtest/gtest.h>

#include "engine/CommandDispatcher.h"
#include "graphics/gui/GUITextElement.h"
#include "graphics/gui/HUDAnimation.h"
#include "tests/graphics/GraphicsFixture.h"

namespace {

class GraphicsCommandTest : public GraphicsFixture {
 protected:
  void SetUp() override { StartGraphics(); }
  static void Type(const std::string& line) { CommandDispatcher().Execute(line, "ConsoleCmd"); }
  static bool SameColour(const platform::Color& c, float r, float g, float b) {
    return c.r == r && c.g == g && c.b == b && c.a == 1.0f;
  }
};

TEST_F(GraphicsCommandTest, AmbientKeepsTheColourAndNonNumbersCountAsZero) {
  Type("ambient 0.5 0.25 0.75");
  EXPECT_TRUE(SameColour(graphics->GetAmbient(), 0.5f, 0.25f, 0.75f));
  Type("ambient red 0 0");
  EXPECT_TRUE(SameColour(graphics->GetAmbient(), 0.0f, 0.0f, 0.0f));
}

TEST_F(GraphicsCommandTest, WrongWordCountsAreLoggedAndChangeNothing) {
  Type("ambient 0.5 0.5 0.5");
  Type("ambient 1 1");
  Type("setoutline 1 0 0");
  EXPECT_TRUE(SameColour(graphics->GetAmbient(), 0.5f, 0.5f, 0.5f));
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Incorrect number of parameters"), 2);
  Type("setoutline 2 1 0 0");
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Incorrect number of parameters"), 2);
}

TEST_F(GraphicsCommandTest, AmbientFromCodeTakesFourByteFloatsOnly) {
  MessageArgs floats = MessageArgs::FromValues(0.25f, 0.5f, 1.0f);
  Engine::Get()->BroadcastWithArgs("ambient", "ConsoleCmd", &floats);
  EXPECT_TRUE(SameColour(graphics->GetAmbient(), 0.25f, 0.5f, 1.0f));
  MessageArgs doubles = MessageArgs::FromValues(0.0, 0.0, 0.0);
  Engine::Get()->BroadcastWithArgs("ambient", "ConsoleCmd", &doubles);
  EXPECT_TRUE(SameColour(graphics->GetAmbient(), 0.25f, 0.5f, 1.0f));
  EXPECT_EQ(CountLines(LogOf("GraphicsLog"), "Variable size does not match expected variable size"), 1);
}

TEST_F(GraphicsCommandTest, ReloadIgnoresExtraWordsAndFadeWhiteStartsAFade) {
  Type("rlshaders now");
  EXPECT_NE(graphics->GetEffectManager()->Get("CelShader"), nullptr);
  EXPECT_EQ(LogOf("GraphicsLog").find("Incorrect"), std::string::npos);
  Type("StartFadeWhite");
  EXPECT_TRUE(graphics->IsWhiteFading());
  EXPECT_EQ(graphics->GetAnimationList()->Size(), 1u);
}

TEST_F(GraphicsCommandTest, ToggleVariableTwiceRestoresTheValue) {
  bool flag = false;
  BindBoolVariable("TestFlag", &flag);
  GUITextElement line;
  line.VariableName = "TestFlag";
  MessageArgs args = MessageArgs::FromPointer(&line);
  Engine::Get()->BroadcastWithArgs("ToggleVariable", "GUICmd", &args);
  EXPECT_TRUE(flag);
  Engine::Get()->BroadcastWithArgs("ToggleVariable", "GUICmd", &args);
  EXPECT_FALSE(flag);
  MessageArgs none = MessageArgs::FromPointer(nullptr);
  Engine::Get()->BroadcastWithArgs("ToggleVariable", "GUICmd", &none);
  EXPECT_FALSE(flag);
}

}  // namespace
