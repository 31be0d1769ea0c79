#include <gtest/gtest.h>

#include "ai/AIActionSets.h"
#include "ai/AIConfig.h"
#include "tests/support/EngineFixture.h"

// "Data/ActionConfig.xml": sets read in file order, names folded once, look-ups by any case.
namespace {

class AIActionSetsTest : public EngineFixture {
 protected:
  void SetUp() override { Bare(); }

  static std::string Action(const std::string& name, const std::string& speed, const std::string& time,
                            const std::string& priority) {
    return "<var><string name=\"Name\">" + name + "</string><float name=\"Speed\">" + speed +
           "</float><float name=\"Time\">" + time + "</float><int name=\"Priority\">" + priority + "</int></var>";
  }
  static std::string Set(const std::string& name, const std::string& actions) {
    return "<var><string name=\"Name\">" + name + "</string><list name=\"Actions\">" + actions + "</list></var>";
  }
  static std::string File(const std::string& sets) {
    return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<var><list name=\"ActionSets\">" + sets + "</list></var>";
  }
  static AIActionSets Load(const std::string& text) {
    TempDir::Write(kActionConfigPath, text);
    AIActionSets sets;
    sets.Load(kActionConfigPath);
    sets.LowerCaseNames();
    return sets;
  }
};

// The written file holds no sets, so every later start says so: agents stand idle for a reason
// the user can read.
TEST_F(AIActionSetsTest, AMissingFileIsWrittenBackEmptyFindsNothingAndIsSaidOnEveryLoad) {
  AIActionSets sets;
  sets.Load(kActionConfigPath);
  sets.Load(kActionConfigPath);
  const std::string empty =
      "Data/ActionConfig.xml: the list ActionSets is empty: computer thieves and guards have nothing to do\n";
  EXPECT_EQ(LogOf(kAILog), "Failed to load config. Data/ActionConfig.xml: could not open file\n" + empty + empty);
  EXPECT_EQ(TempDir::Read(kActionConfigPath), File(""));
  AIActionSet out;
  out.name = "kept";
  EXPECT_FALSE(sets.Find("patrol", out));
  EXPECT_EQ(out.name, "kept");
}

TEST_F(AIActionSetsTest, SetsAreFoundByAnyCaseAndTheFirstOfTwoNamesakesWins) {
  const AIActionSets sets = Load(File(Set("Patrol", Action("Walk To", "120.5", "0", "2") + Action("LOOK", "0", "3", "1")) +
                                      Set("patrol", Action("second", "1", "1", "1")) + Set("Empty", "")));
  EXPECT_EQ(LogOf(kAILog), "");
  for (const char* name : {"patrol", "PATROL", "Patrol"}) {
    AIActionSet out;
    ASSERT_TRUE(sets.Find(name, out)) << name;
    ASSERT_EQ(out.actions.size(), 2u);
    EXPECT_EQ(out.name, "patrol");
    EXPECT_EQ(out.actions[0].Name, "walk to");
    EXPECT_FLOAT_EQ(out.actions[0].Speed, 120.5f);
    EXPECT_EQ(out.actions[0].Priority, 2);
    EXPECT_EQ(out.actions[1].Name, "look");
    EXPECT_FLOAT_EQ(out.actions[1].Time, 3.0f);
  }
  AIActionSet empty;
  EXPECT_TRUE(sets.Find("empty", empty));
  EXPECT_TRUE(empty.actions.empty());
  EXPECT_FALSE(sets.Find("", empty));
  // What was read writes back as it stood, folded.
  sets.Save("Data/Again.xml");
  AIActionSets again;
  again.Load("Data/Again.xml");
  ASSERT_EQ(again.Sets().size(), 3u);
  EXPECT_EQ(again.Sets()[1].actions[0].Name, "second");
}

TEST_F(AIActionSetsTest, ACutFileKeepsTheSetsReadBeforeTheCutAndIsNotRewritten) {
  const std::string whole = File(Set("sleep", Action("sleep", "0", "10", "1")) + Set("wake", Action("wake up", "0", "0", "5")));
  const std::string cut = whole.substr(0, whole.find("wake up"));
  const AIActionSets sets = Load(cut);
  EXPECT_EQ(LogOf(kAILog).find("Failed to load config. Data/ActionConfig.xml: "), 0u);
  EXPECT_EQ(TempDir::Read(kActionConfigPath), cut);
  AIActionSet out;
  EXPECT_TRUE(sets.Find("sleep", out));
}

}  // namespace
