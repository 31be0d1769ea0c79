#include <gtest/gtest.h>

#include "engine/ConfigFile.h"
#include "engine/EngineSettings.h"
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

}  // namespace
