#include <gtest/gtest.h>

#include <regex>

#include "ai/AIConfig.h"
#include "tests/support/EngineFixture.h"

// "Data/AIConfig.xml": the file's order, the write-back of a missing file, refused damage.
namespace {

class AIConfigTest : public EngineFixture {
 protected:
  void SetUp() override { Bare(); }

  static std::string Header() { return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"; }
  static std::string Log() { return LogOf(kAILog); }
};

TEST_F(AIConfigTest, AMissingFileIsWrittenBackInTheFileOrderAndReadsBackTheSame) {
  AIConfig config;
  config.EnableAI = true;
  config.MaxThieves = 3;
  config.GUARD_VISION_RANGE = 1500.5f;
  LoadAIConfig(config, kAIConfigPath);
  EXPECT_EQ(Log(), "Failed to load config. Data/AIConfig.xml: could not open file\n");
  const std::string written = TempDir::Read(kAIConfigPath);
  // The settings file's order is not the record's: the speeds come before UPDATE_TIME.
  EXPECT_LT(written.find("PullPaths"), written.find("SNEAK_SPEED_MAX"));
  EXPECT_LT(written.find("WALK_SPEED_MAX"), written.find("UPDATE_TIME"));
  EXPECT_LT(written.find("LISTEN_RANGE_MODIFIER"), written.find("GUARD_VISION_RANGE"));
  EXPECT_EQ(written.rfind("THIEF_VISION_RANGE\">0</float></var>"), written.size() - 35);
  AIConfig again;
  LoadAIConfig(again, kAIConfigPath);
  EXPECT_TRUE(again.EnableAI);
  EXPECT_EQ(again.MaxThieves, 3);
  EXPECT_FLOAT_EQ(again.GUARD_VISION_RANGE, 1500.5f);
  EXPECT_EQ(Log(), "Failed to load config. Data/AIConfig.xml: could not open file\n");
}

TEST_F(AIConfigTest, DamagedFilesAreLoggedByNameAndKeepWhatWasRead) {
  AIConfig written;
  written.Train = true;
  written.EnableAI = true;
  written.MaxGuards = 4;
  SaveAIConfig(written, kAIConfigPath);
  const std::string whole = TempDir::Read(kAIConfigPath);
  struct Case {
    std::string text;
    bool train, enable;
    int guards;
  };
  std::string swapped = whole;
  // MaxGuards and MaxThieves change places: refused at the first, nothing read into the wrong field.
  const size_t guards = swapped.find("MaxGuards"), thieves = swapped.find("MaxThieves");
  swapped.replace(thieves, 10, "MaxGuards_");
  swapped.replace(guards, 9, "MaxThieves");
  swapped.replace(swapped.find("MaxGuards_"), 10, "MaxGuards");
  const std::vector<Case> cases = {
      {whole.substr(0, whole.find("MaxGuards")), true, true, 0},  // cut short
      {swapped, true, true, 0},
      {"garbage", false, false, 0},
  };
  for (const Case& c : cases) {
    TempDir::Write(kAIConfigPath, c.text);
    AIConfig config;
    LoadAIConfig(config, kAIConfigPath);
    EXPECT_EQ(config.Train, c.train);
    EXPECT_EQ(config.EnableAI, c.enable);
    EXPECT_EQ(config.MaxGuards, c.guards);
    EXPECT_EQ(TempDir::Read(kAIConfigPath), c.text) << "a damaged file is not written over";
  }
  const std::string log = Log();
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
  EXPECT_EQ(log.find("Failed to load config. Data/AIConfig.xml: "), 0u);
}

TEST_F(AIConfigTest, OnlyTheWordTrueIsTrue) {
  AIConfig written;
  SaveAIConfig(written, kAIConfigPath);
  std::string text = TempDir::Read(kAIConfigPath);
  text.replace(text.find("false"), 5, "True");
  TempDir::Write(kAIConfigPath, text);
  AIConfig config;
  config.Train = true;
  LoadAIConfig(config, kAIConfigPath);
  EXPECT_FALSE(config.Train);
  EXPECT_NE(Log().find("Train"), std::string::npos);
}

// Every number of the file made -1 used to be taken: no line, and the AI ran on negative
// counts, times, speeds, radii and vision ranges, with guards deaf to every step.
TEST_F(AIConfigTest, NumbersBelowZeroKeepTheValuesHeldWithALineEach) {
  SaveAIConfig(AIConfig(), kAIConfigPath);
  const std::regex number(R"(<(int|float)( name="[^"]*")>[^<]*</)");
  TempDir::Write(kAIConfigPath, std::regex_replace(TempDir::Read(kAIConfigPath), number, "<$1$2>-1</"));
  AIConfig config;
  config.MaxThieves = 2;
  config.GUARD_VISION_RANGE = 2500.0f;
  LoadAIConfig(config, kAIConfigPath);
  EXPECT_EQ(config.MaxGuards, 0);
  EXPECT_EQ(config.MaxThieves, 2);
  EXPECT_EQ(config.UPDATE_TIME, 0.0f);
  EXPECT_EQ(config.TRIP_LASER_STUN_TIME, 0.0f);
  EXPECT_EQ(config.ITEM_STEAL_RADIUS, 0.0f);
  EXPECT_EQ(config.THIEF_STUN_RANGE, 0.0f);
  EXPECT_EQ(config.GUARD_VISION_RANGE, 2500.0f);
  EXPECT_EQ(config.THIEF_VISION_RANGE, 0.0f);
  EXPECT_EQ(config.CHASE_SPEED, 0.0f);
  EXPECT_EQ(config.LISTEN_RANGE_MODIFIER, 0.0f);
  const std::string log = Log();
  // Two counts, nine times, eight speeds, five radii, the hearing's factor and two vision ranges.
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2 + 9 + 8 + 5 + 1 + 2) << log;
  for (const char* line : {"Data/AIConfig.xml: MaxGuards -1 is below 0: kept 0\n",
                           "Data/AIConfig.xml: MaxThieves -1 is below 0: kept 2\n",
                           "Data/AIConfig.xml: UPDATE_TIME -1 is below 0: kept 0\n",
                           "Data/AIConfig.xml: TRIP_DISABLE_RADIUS -1 is below 0: kept 0\n",
                           "Data/AIConfig.xml: CHASE_SPEED -1 is below 0: kept 0\n",
                           "Data/AIConfig.xml: LISTEN_RANGE_MODIFIER -1 is below 0: kept 0\n",
                           "Data/AIConfig.xml: GUARD_VISION_RANGE -1 is below 0: kept 2500\n"}) {
    EXPECT_NE(log.find(line), std::string::npos) << line;
  }
}

}  // namespace
