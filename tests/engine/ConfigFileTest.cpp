#include <gtest/gtest.h>

#include "engine/ConfigFile.h"
#include "engine/EngineSettings.h"
#include "tests/support/EngineFixture.h"

namespace {

// A record of this test's own, in the shape of the transition settings.
struct TransitionInfo {
  float StartDepth = 200.0f;
  float EndDepth = 10.0f;
  float TotalTime = 2.0f;
  float FadePercent = 0.5f;
  float RotationSpeed = 3.0f;
};

template <class Fields>
void VisitFields(Fields& f, TransitionInfo& r) {
  f("StartDepth", r.StartDepth);
  f("EndDepth", r.EndDepth);
  f("TotalTime", r.TotalTime);
  f("FadePercent", r.FadePercent);
  f("RotationSpeed", r.RotationSpeed);
}

class ConfigFileTest : public EngineFixture {
 protected:
  void SetUp() override { Bare(); }
};

TEST_F(ConfigFileTest, AMissingFileIsWrittenBackOnlyWhenItIsSettings) {
  EngineSettings settings;
  EXPECT_FALSE(LoadRecordFile(settings, "data/sub/EngineConfig.xml", "EngineLog", WhenMissing::WriteBack));
  EXPECT_TRUE(TempDir::Exists("data/sub/EngineConfig.xml")) << "the folders are made";

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

// A settings file emptied by hand, or cut after a record, used to load without a word.
TEST_F(ConfigFileTest, AnEmptiedFileAndARecordEndingEarlyAreSaidOnEveryLoad) {
  TransitionInfo t;
  for (int start = 0; start < 2; ++start) {
    TempDir::Write("Data/Transition.xml", "<?xml version=\"1.0\"?>\n<var/>");
    LoadRecordFile(t, "Data/Transition.xml", "GraphicsLog", WhenMissing::WriteBack);
  }
  TempDir::Write("Data/Transition.xml", "<?xml version=\"1.0\"?>\n<var><float>50</float><float/></var>");
  LoadRecordFile(t, "Data/Transition.xml", "GraphicsLog", WhenMissing::WriteBack);
  EXPECT_EQ(t.StartDepth, 50.0f);
  EXPECT_EQ(LogOf("GraphicsLog"),
            "Data/Transition.xml: none of its values is there: each keeps the one it had\n"
            "Data/Transition.xml: none of its values is there: each keeps the one it had\n"
            "Data/Transition.xml: TotalTime and the fields after it are missing: they keep their values\n");
}

// A record cut short by broken XML was said twice: as ending early, and as the failure.
TEST_F(ConfigFileTest, ARecordCutShortByBrokenXmlIsOneLineAndOneEndingWellFormedIsItsOwn) {
  TransitionInfo t;
  for (const char* broken : {"<var><float>50</float></va", "<var><float>50</float></oops>"}) {
    TempDir::Write("Data/Transition.xml", std::string("<?xml version=\"1.0\"?>\n") + broken);
    LoadRecordFile(t, "Data/Transition.xml", "GraphicsLog", WhenMissing::WriteBack);
  }
  EXPECT_EQ(t.StartDepth, 50.0f);
  EXPECT_EQ(LogOf("GraphicsLog"),
            "Failed to load config. Data/Transition.xml: error reading XML tag at line 2, column 27\n"
            "Failed to load config. Data/Transition.xml: End tag: /oops was not properly matched at line 2, "
            "column 30\n");
  // A list item that ends early in good order is a fault of its own, before a later failure.
  std::vector<TransitionInfo> list;
  TempDir::Write("Data/List.xml",
                 "<?xml version=\"1.0\"?>\n<list><var><float>1</float></var><var><float>2</oops></list>");
  LoadRecordFile(list, "Data/List.xml", "GraphicsLog", WhenMissing::Report);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(LogOf("GraphicsLog").substr(LogOf("GraphicsLog").find("Data/List.xml")),
            "Data/List.xml: End tag: /oops was not properly matched at line 2, column 54\n"
            "Data/List.xml: [0].EndDepth and the fields after it are missing: they keep their values\n");
}

}  // namespace
