#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "logic/LogicConfig.h"
#include "tests/support/EngineFixture.h"

namespace {

class LogicConfigTest : public EngineFixture {
 protected:
  LogicConfigTest() {
    Bare();
    std::filesystem::create_directory("Data");
  }
  static LogicConfig LoadFrom(const std::string& body) {
    std::ofstream("Data/LogicConfig.xml") << "<?xml version=\"1.0\"?>\n" << body;
    LogicConfig config;
    config.Load("Data/LogicConfig.xml");
    return config;
  }
};

// The shipped file is what a first run without one writes.
TEST_F(LogicConfigTest, AMissingFileIsWrittenWithTheDefaultsTheDataTreeShips) {
  LogicConfig config;
  config.Load("Data/LogicConfig.xml");
  EXPECT_EQ(TempDir::Read("Data/LogicConfig.xml"), TempDir::Read(std::string(VR_DATA_DIR) + "/Data/LogicConfig.xml"));
  EXPECT_EQ(config.defaultMapName, "Museummaps.xml");
  EXPECT_FALSE(config.devControls);
  EXPECT_FALSE(config.skipMenus);
  EXPECT_FLOAT_EQ(config.guardHitDist, 5000.0f);
  EXPECT_FLOAT_EQ(config.time, 10.0f);
  EXPECT_EQ(config.difficulty, 2);
  EXPECT_NE(LogOf("LogicLog").find("Failed to load config."), std::string::npos);
}

// Reading goes by position: what the file lacks, leaves empty or spells otherwise keeps its
// default, and nothing is written back over the user's file.
TEST_F(LogicConfigTest, ShortEmptyAndMisspeltValuesKeepTheirDefaults) {
  const std::string shortFile =
      "<var><string name=\"defaultMapName\">Small.xml</string><bool name=\"devControls\">True</bool>"
      "<bool/><float name=\"teleportHitDist\">100</float></var>";
  LogicConfig config = LoadFrom(shortFile);
  EXPECT_EQ(config.defaultMapName, "Small.xml");
  EXPECT_FALSE(config.devControls);
  EXPECT_FALSE(config.skipMenus);
  EXPECT_FLOAT_EQ(config.teleportHitDist, 100.0f);
  EXPECT_FLOAT_EQ(config.itemDropoffHitDist, 5000.0f);
  EXPECT_FLOAT_EQ(config.time, 10.0f);
  EXPECT_EQ(config.difficulty, 2);
  EXPECT_EQ(TempDir::Read("Data/LogicConfig.xml"), "<?xml version=\"1.0\"?>\n" + shortFile);
}

TEST_F(LogicConfigTest, ATruncatedFileKeepsWhatWasReadAndIsLeftAlone) {
  LogicConfig config = LoadFrom("<var><string name=\"defaultMapName\">Small.xml</string><bool name=\"devCon");
  EXPECT_EQ(config.defaultMapName, "Small.xml");
  EXPECT_EQ(config.difficulty, 2);
  EXPECT_NE(LogOf("LogicLog").find("Failed to load config."), std::string::npos);
  EXPECT_NE(TempDir::Read("Data/LogicConfig.xml").find("devCon"), std::string::npos);
}

// Values moved about land in other fields; what the game cannot play with is corrected and
// said, naming the file.
TEST_F(LogicConfigTest, ValuesTheGameCannotPlayWithAreCorrectedAndLogged) {
  LogicConfig config = LoadFrom(
      "<var><string>Museummaps.xml</string><bool>false</bool><bool>false</bool><float>-1</float>"
      "<float>5000</float><float>5000</float><int>7</int><float>0</float></var>");
  EXPECT_FLOAT_EQ(config.teleportHitDist, 5000.0f);
  EXPECT_FLOAT_EQ(config.time, 7.0f);
  EXPECT_EQ(config.difficulty, 1);
  config = LoadFrom(
      "<var><string>Museummaps.xml</string><bool>false</bool><bool>false</bool><float>1</float>"
      "<float>1</float><float>1</float><float>-3</float><int>9</int></var>");
  EXPECT_FLOAT_EQ(config.time, 10.0f);
  EXPECT_EQ(config.difficulty, 3);
  const std::string log = LogOf("LogicLog");
  EXPECT_NE(log.find("Data/LogicConfig.xml: difficulty 9 is outside 1 to 3; 3 is used"), std::string::npos) << log;
  EXPECT_NE(log.find("Data/LogicConfig.xml: time -3 is no round length; 10 minutes are used"), std::string::npos)
      << log;
  EXPECT_NE(log.find("teleportHitDist -1"), std::string::npos) << log;
}

}  // namespace
