#include <gtest/gtest.h>

#include "engine/ConfigFile.h"
#include "engine/EngineSettings.h"
#include "graphics/GraphicsLists.h"
#include "input/ControlBindings.h"
#include "input/InputConfig.h"
#include "tests/support/EngineFixture.h"

namespace {

class ConfigFileTest : public EngineFixture {
 protected:
  void SetUp() override { Bare(); }
};

// The demo tree ships the settings whose values are the defaults: a first start writes them
// back byte for byte.
TEST_F(ConfigFileTest, TheDefaultSettingsAreWrittenAsTheDemoTreeHoldsThem) {
  const std::string demo = std::string(VR_DATA_DIR) + "/Data/";
  SaveEngineSettingsFile(EngineSettings(), "Data/EngineConfig.xml");
  SaveInputConfig(InputConfig(), "Data/InputConfig.xml");
  SaveControlBindings(DefaultControlBindings(), "Data/Controls.xml");
  SaveRecordFile(TransitionInfo(), "Data/Transition.xml", "GraphicsLog");
  for (const char* file : {"EngineConfig.xml", "InputConfig.xml", "Controls.xml", "Transition.xml"}) {
    EXPECT_EQ(TempDir::Read(std::string("Data/") + file), TempDir::Read(demo + file)) << file;
  }
}

TEST_F(ConfigFileTest, AMissingFileIsWrittenBackOnlyWhenItIsSettings) {
  InputConfig settings;
  EXPECT_FALSE(LoadRecordFile(settings, "data/sub/InputConfig.xml", "InputLog", WhenMissing::WriteBack));
  EXPECT_TRUE(TempDir::Exists("data/sub/InputConfig.xml")) << "the folders are made";

  std::vector<TransitionInfo> content{TransitionInfo()};
  for (int start = 0; start < 2; ++start) {
    EXPECT_FALSE(LoadRecordFile(content, "Data/Content.xml", "GraphicsLog", WhenMissing::Report));
  }
  EXPECT_FALSE(TempDir::Exists("Data/Content.xml"));
  EXPECT_EQ(content.size(), 1u);
  EXPECT_EQ(LogOf("GraphicsLog"),
            "Failed to load config. Data/Content.xml: could not open file\n"
            "Failed to load config. Data/Content.xml: could not open file\n");
}

TEST_F(ConfigFileTest, AFolderSpelledInAnotherCaseIsUsedNotDoubled) {
  TempDir::Write("data/keep", "");
  SaveEngineSettingsFile(EngineSettings(), "Data/EngineConfig.xml");
  EXPECT_TRUE(TempDir::Exists("data/EngineConfig.xml"));
  EXPECT_FALSE(TempDir::Exists("Data"));
}

TEST_F(ConfigFileTest, ValuesReadBeforeAFailureStayAndTheRefusedOnesAreNamed) {
  TempDir::Write("Data/Transition.xml",
                 "<?xml version=\"1.0\"?>\n<var><float>50</float><float>inf</float>\n"
                 "<float>3</float><float>0.2</float><float>1</oops>");
  TransitionInfo t;
  LoadRecordFile(t, "Data/Transition.xml", "GraphicsLog", WhenMissing::WriteBack);
  EXPECT_EQ(t.StartDepth, 50.0f);
  EXPECT_EQ(t.EndDepth, 10.0f);
  EXPECT_EQ(t.FadePercent, 0.2f);
  EXPECT_EQ(LogOf("GraphicsLog"),
            "Failed to load config. Data/Transition.xml: End tag: /oops was not properly matched at line 3, column 50\n"
            "Data/Transition.xml: EndDepth \"inf\" is not a finite number: kept 10\n");
}

}  // namespace
