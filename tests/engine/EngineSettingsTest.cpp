#include "engine/EngineSettings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "tests/support/EngineFixture.h"

namespace {
const char* kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";
const std::string kDefaults = std::string(kHeader) +
                              "<var><bool name=\"RunAI\">true</bool><bool name=\"RunGraphics\">true</bool>"
                              "<bool name=\"RunPhysics\">true</bool><bool name=\"RunLogic\">true</bool>"
                              "<bool name=\"RunSound\">true</bool><bool name=\"RunInput\">true</bool>"
                              "<bool name=\"dbgTimer\">false</bool><float name=\"dbgInterval\">1</float>"
                              "<bool name=\"Widescreen\">false</bool></var>";
}  // namespace

class Settings : public EngineFixture {
 protected:
  EngineSettings Load(const std::string& contents) {
    TempDir::Write(kEngineConfigPath, contents);
    EngineSettings s;
    LoadEngineSettings(s, kEngineConfigPath);
    return s;
  }
  void SetUp() override { Bare(); }
};

TEST_F(Settings, AMissingFileIsWrittenBackWithTheDefaults) {
  ::mkdir("Data", 0755);
  EngineSettings s;
  LoadEngineSettings(s, kEngineConfigPath);
  EXPECT_EQ(TempDir::Read(kEngineConfigPath), kDefaults);
  EXPECT_EQ(LogOf("EngineLog"), "Failed to load config. Data/EngineConfig.xml: could not open file\n");
}

TEST_F(Settings, ValuesAreTakenByPositionAndOnlyExactTrueIsTrue) {
  EngineSettings s = Load(std::string(kHeader) +
                          "<var>\r\n<bool name=\"RunGraphics\">false</bool>\r\n<bool name=\"RunAI\">true</bool>"
                          "<bool>true</bool><bool>true</bool><bool name=\"RunSound\">TRUE</bool>"
                          "<bool>1</bool><bool>true</bool><float>0.25</float><bool>true</bool></var>\r\n");
  EXPECT_FALSE(s.RunAI);
  EXPECT_TRUE(s.RunGraphics);
  EXPECT_FALSE(s.RunSound);
  EXPECT_FALSE(s.RunInput);
  EXPECT_TRUE(s.dbgTimer);
  EXPECT_FLOAT_EQ(s.dbgInterval, 0.25f);
  EXPECT_TRUE(s.Widescreen);
  EXPECT_FALSE(TempDir::Exists("EngineLog.txt"));
}

TEST_F(Settings, BrokenFilesAreLoggedKeptAndNotRewritten) {
  const std::string truncated = std::string(kHeader) + "<var><bool>false</bool><bo";
  EngineSettings s = Load(truncated);
  EXPECT_FALSE(s.RunAI);  // read before the break
  EXPECT_TRUE(s.RunGraphics);
  EXPECT_EQ(TempDir::Read(kEngineConfigPath), truncated);

  for (const std::string& bad : {std::string(""), std::string("\x01\x02\xff garbage"),
                                 std::string(kHeader) + "<var><bool>true</int></var>"}) {
    EngineSettings d = Load(bad);
    EXPECT_TRUE(d.RunAI);
    EXPECT_FLOAT_EQ(d.dbgInterval, 1.0f);
    EXPECT_EQ(TempDir::Read(kEngineConfigPath), bad);
  }
  std::string log = LogOf("EngineLog");
  // Each line names the file and where reading stopped.
  EXPECT_NE(log.find("Failed to load config. Data/EngineConfig.xml: error reading XML tag at line 2, column 27\n"),
            std::string::npos);
  EXPECT_NE(log.find("Failed to load config. Data/EngineConfig.xml: error reading XML header tag at line 1, column 1\n"),
            std::string::npos);
  EXPECT_NE(log.find("Failed to load config. Data/EngineConfig.xml: End tag: /int was not properly matched at line 2,"),
            std::string::npos);
}

TEST_F(Settings, ASelfClosingElementKeepsItsField) {
  EngineSettings s = Load(std::string(kHeader) + "<var><bool/><bool>false</bool></var>");
  EXPECT_TRUE(s.RunAI);
  EXPECT_FALSE(s.RunGraphics);
}

TEST_F(Settings, AMissingDataFolderIsCreatedForTheWriteBack) {
  EngineSettings s;
  LoadEngineSettings(s, kEngineConfigPath);
  EXPECT_EQ(TempDir::Read(kEngineConfigPath), kDefaults);
  EXPECT_EQ(LogOf("EngineLog"), "Failed to load config. Data/EngineConfig.xml: could not open file\n");
}

TEST_F(Settings, AFolderThatCannotBeCreatedIsLoggedAndTheProgramGoesOn) {
  TempDir::Write("Data", "a file where the folder belongs");
  EngineSettings s;
  LoadEngineSettings(s, kEngineConfigPath);
  EXPECT_TRUE(s.RunAI);
  const std::string log = LogOf("EngineLog");
  EXPECT_NE(log.find("Failed to save config. Data/EngineConfig.xml: could not create folder Data ("), std::string::npos)
      << log;
}

TEST_F(Settings, NumbersNoFloatCanHoldKeepTheDefaultWithALineNamingFileAndField) {
  for (const char* bad : {"nan", "1.#QNAN", "-inf", "1e39"}) {
    EngineSettings s = Load(std::string(kHeader) + "<var><bool>false</bool><bool/><bool/><bool/><bool/><bool/>"
                                                   "<bool/><float>" + bad + "</float><bool/></var>");
    EXPECT_FALSE(s.RunAI);
    EXPECT_FLOAT_EQ(s.dbgInterval, 1.0f) << bad;
  }
  EXPECT_EQ(LogOf("EngineLog"),
            "Data/EngineConfig.xml: dbgInterval \"nan\" is not a finite number: kept 1\n"
            "Data/EngineConfig.xml: dbgInterval \"1.#QNAN\" is not a finite number: kept 1\n"
            "Data/EngineConfig.xml: dbgInterval \"-inf\" is not a finite number: kept 1\n"
            "Data/EngineConfig.xml: dbgInterval \"1e39\" is not a finite number: kept 1\n");
}

TEST_F(Settings, WritingBackRoundTrips) {
  ::mkdir("Data", 0755);
  EngineSettings s;
  s.RunPhysics = false;
  s.dbgInterval = 0.1f;
  s.Widescreen = true;
  SaveEngineSettingsFile(s, kEngineConfigPath);
  EngineSettings back;
  LoadEngineSettings(back, kEngineConfigPath);
  EXPECT_FALSE(back.RunPhysics);
  EXPECT_FLOAT_EQ(back.dbgInterval, 0.1f);
  EXPECT_TRUE(back.Widescreen);
}
