#include <gtest/gtest.h>

#include <regex>
#include <vector>

#include "ai/AIActionSets.h"
#include "ai/AIConfig.h"

#include "engine/ConfigFile.h"
#include "engine/EngineSettings.h"
#include "entity/ValueText.h"
#include "graphics/GraphicsLists.h"
#include "input/ControlBindings.h"
#include "input/InputConfig.h"
#include "tests/support/EngineFixture.h"

namespace {

class DefaultSettingsFilesTest : public EngineFixture {
 protected:
  void SetUp() override { Bare(); }
};

// The demo tree ships the settings whose values are the defaults: a first start writes them
// back byte for byte.
TEST_F(DefaultSettingsFilesTest, TheDefaultSettingsAreWrittenAsTheDemoTreeHoldsThem) {
  const std::string demo = std::string(VR_DATA_DIR) + "/Data/";
  SaveEngineSettingsFile(EngineSettings(), "Data/EngineConfig.xml");
  SaveInputConfig(InputConfig(), "Data/InputConfig.xml");
  SaveControlBindings(DefaultControlBindings(), "Data/Controls.xml");
  SaveRecordFile(TransitionInfo(), "Data/Transition.xml", "GraphicsLog");
  for (const char* file : {"EngineConfig.xml", "InputConfig.xml", "Controls.xml", "Transition.xml"}) {
    EXPECT_EQ(TempDir::Read(std::string("Data/") + file), TempDir::Read(demo + file)) << file;
  }
}

// Times, speeds and radii below zero in the other settings and lists used to be taken without a word:
// each keeps the value held, with one line naming the file and the field.
TEST_F(DefaultSettingsFilesTest, TimesAndRadiiBelowZeroKeepTheValueHeldWithALine) {
  const std::string demo = std::string(VR_DATA_DIR) + "/";
  // The shipped file with the first value of each of those names made -1.
  auto damage = [&](const std::string& path, const std::vector<std::string>& fields) {
    std::string text = TempDir::Read(demo + path);
    for (const std::string& field : fields)
      text = std::regex_replace(text, std::regex("(<float name=\"" + field + "\">)[^<]*"), "$1-1",
                                std::regex_constants::format_first_only);
    TempDir::Write(path, text);
  };
  damage("Data/EngineConfig.xml", {"dbgInterval"});
  EngineSettings engine;
  LoadEngineSettings(engine, "Data/EngineConfig.xml");
  EXPECT_EQ(engine.dbgInterval, 1.0f);
  damage("Data/InputConfig.xml", {"doubleClickDelay"});
  InputConfig input;
  input.doubleClickDelay = 0.5f;
  LoadInputConfig(input, "Data/InputConfig.xml");
  EXPECT_EQ(input.doubleClickDelay, 0.5f);
  damage("Data/Transition.xml", {"TotalTime"});
  TransitionInfo transition;
  LoadRecordFile(transition, "Data/Transition.xml", "GraphicsLog", WhenMissing::WriteBack);
  EXPECT_EQ(transition.TotalTime, TransitionInfo().TotalTime);
  damage("Data/MeshInfo.xml", {"BoundingSphereRadius"});
  std::vector<MeshInfo> meshes;
  LoadRecordFile(meshes, "Data/MeshInfo.xml", "GraphicsLog", WhenMissing::Report);
  ASSERT_FALSE(meshes.empty());
  EXPECT_EQ(meshes[0].BoundingSphereRadius, MeshInfo().BoundingSphereRadius);
  damage("Data/ActionConfig.xml", {"Time", "Speed"});
  AIActionSets actions;
  actions.Load("Data/ActionConfig.xml");
  AIActionSet patrol;
  ASSERT_TRUE(actions.Find("patrol", patrol));
  EXPECT_EQ(patrol.actions.front().Time, 0.0f) << "a fresh action's: no duration of its own";
  EXPECT_EQ(patrol.actions.front().Speed, 0.0f) << "a fresh action's: standing";

  EXPECT_EQ(LogOf("EngineLog"), "Data/EngineConfig.xml: dbgInterval -1 is below 0: kept 1\n");
  EXPECT_EQ(LogOf("InputLog"), "Data/InputConfig.xml: doubleClickDelay -1 is below 0: kept 0.5\n");
  EXPECT_EQ(LogOf("GraphicsLog"),
            "Data/Transition.xml: TotalTime -1 is below 0: kept " + FloatText(TransitionInfo().TotalTime) + "\n" +
                "Data/MeshInfo.xml: [0].BoundingSphereRadius -1 is below 0: kept 10\n");
  EXPECT_EQ(LogOf(kAILog), "Data/ActionConfig.xml: ActionSets[0].Actions[0].Speed -1 is below 0: kept 0\n"
                           "Data/ActionConfig.xml: ActionSets[0].Actions[0].Time -1 is below 0: kept 0\n");
}

}  // namespace
