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

// What the file lacks, leaves empty or spells otherwise keeps its default, and nothing is
// written back over the user's file.
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

// What the game cannot play with is corrected and said, naming the file.
TEST_F(LogicConfigTest, ValuesTheGameCannotPlayWithAreCorrectedAndLogged) {
  LogicConfig config = LoadFrom(
      "<var><string>Museummaps.xml</string><bool>false</bool><bool>false</bool><float>-1</float>"
      "<float>5000</float><float>5000</float><float>7</float><int>0</int></var>");
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

// Values moved about, or of another kind, used to land in the wrong fields or read as 0:
// the file is refused where it goes wrong, as the AI's files are, and what was read before stays.
TEST_F(LogicConfigTest, AValueOfTheWrongKindOrNotANumberIsRefusedWithALine) {
  LogicConfig config = LoadFrom(
      "<var><string name=\"defaultMapName\">Small.xml</string><bool>true</bool><bool>false</bool>"
      "<string name=\"teleportHitDist\">far</string><float>1</float><float>1</float><float>5</float><int>3</int></var>");
  EXPECT_EQ(config.defaultMapName, "Small.xml");
  EXPECT_TRUE(config.devControls);
  EXPECT_FLOAT_EQ(config.teleportHitDist, 5000.0f);
  EXPECT_FLOAT_EQ(config.time, 10.0f) << "nothing after the refusal is read";
  EXPECT_NE(LogOf("LogicLog").find("Failed to load config. Data/LogicConfig.xml: <float name=\"teleportHitDist\"> "
                                   "expected, found <string name=\"teleportHitDist\"> at line 2"),
            std::string::npos)
      << LogOf("LogicLog");
  config = LoadFrom(
      "<var><string/><bool/><bool/><float/><float/><float/><float name=\"time\">5</float>"
      "<int name=\"difficulty\">seven</int></var>");
  EXPECT_FLOAT_EQ(config.time, 5.0f);
  EXPECT_EQ(config.difficulty, 2);
  EXPECT_NE(LogOf("LogicLog").find("Data/LogicConfig.xml: difficulty \"seven\" is not a number: kept 2"),
            std::string::npos);
}

TEST_F(LogicConfigTest, AnEmptiedFileIsSaidOnEveryLoad) {
  for (int start = 0; start < 2; ++start) EXPECT_EQ(LoadFrom("<var/>").difficulty, 2);
  const std::string log = LogOf("LogicLog");
  const std::string line = "Failed to load config. Data/LogicConfig.xml: the document's element is empty";
  ASSERT_NE(log.find(line), std::string::npos) << log;
  EXPECT_NE(log.find(line, log.find(line) + 1), std::string::npos) << log;
}

}  // namespace
