#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "input/ControlBindings.h"
#include "tests/input/InputTestSupport.h"

namespace {

using Strings = std::vector<std::string>;
using testing::HasSubstr;
using testing::StartsWith;

const std::string kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

std::string Record(const std::string& function, const std::string& key, const std::string& mouse) {
  return "<var><string name=\"Function\">" + function + "</string><string name=\"KeyName\">" + key +
         "</string><bool name=\"Mouse\">" + mouse + "</bool></var>";
}

// The game scheme from a given bindings file, with the focus and a thief to steer.
class BindingsTest : public InputTest {
 protected:
  void StartWith(const std::string& file) {
    TempDir::Write("Data/Controls.xml", file);
    StartGame();
  }
  void StartGame() {
    StartInput();
    GetLogic()->SetControlsName("Game");
    GetLogic()->SetControls();
    AddPlayer();
  }
  static std::string Variable(const std::string& name) {
    std::string value;
    Engine::Get()->GetVariableTable()->Get(name, value);
    return value;
  }
};

TEST_F(BindingsTest, AMissingFileIsWrittenFromTheDefaultKeysWhichAreBound) {
  StartGame();
  EXPECT_THAT(LogOf("LogicLog"), HasSubstr("Failed to load config. Data/Controls.xml: could not open file\n"));
  const std::string file = TempDir::Read("Data/Controls.xml");
  EXPECT_THAT(file, StartsWith(kHeader + "<list>" + Record("MoveForward", "W", "false") + Record("MoveBack", "S", "false")));
  EXPECT_THAT(file, HasSubstr(Record("MouseLook", "M1", "true")));
  EXPECT_EQ(Variable("MoveForward"), "W");
  EXPECT_EQ(Variable("ScrollGadget"), "MW");

  Tap(kKeyW);
  Mouse().Press(platform::kMouseLeft);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveForward(0)", "player:Fire"}));

  received.clear();
  TempDir::Write("Data/Controls.xml", kHeader + "<list></list>");
  ControlBindingList list;
  LoadControlBindings("Data/Controls.xml", list);
  EXPECT_TRUE(list.empty()) << "a file that says there are no keys is believed";
}

TEST_F(BindingsTest, EveryDefaultActionIsOneTheGameSchemeHandles) {
  StartGame();
  ControlBindingList defaults = DefaultControlBindings();
  std::set<std::string> keys;
  for (const ControlBinding& b : defaults) {
    EXPECT_NE(Input::GetKeyNames().Get(b.KeyName), 0) << b.KeyName;
    EXPECT_TRUE(keys.insert(b.KeyName).second) << b.KeyName << " is bound twice";
  }
  EXPECT_EQ(defaults.size(), 14u) << "every action but Escape, which is fixed";
}

TEST_F(BindingsTest, AMouseRecordFiresOnPressAndOnRelease) {
  StartWith(kHeader + "<list>" + Record("MoveForward", "M1", "true") + "</list>");
  Mouse().Press(platform::kMouseLeft);
  Mouse().Release(platform::kMouseLeft);
  Tap(0x32);  // the keyboard "M" is no mouse button
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveForward(0)"}));
  EXPECT_EQ(TempDir::Read("Data/Controls.xml"), kHeader + "<list>" + Record("MoveForward", "M1", "true") + "</list>");
}

TEST_F(BindingsTest, TwoKeysForOneActionBothWorkAndTheVariableShowsTheSecond) {
  StartWith(kHeader + "<list>" + Record("MoveLeft", "A", "false") + Record("MoveLeft", "Left", "false") + "</list>");
  Keyboard().Press(kKeyA);
  Keyboard().Press(0xCB);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveLeft(1)", "player:MoveLeft(1)"}));
  EXPECT_EQ(Variable("MoveLeft"), "Left");
}

TEST_F(BindingsTest, UnknownKeysNeverFireAndUnknownActionsAreIgnored) {
  StartWith(kHeader + "<list>" + Record("MoveBack", "Spcae", "false") + Record("Jump", "Space", "false") +
            Record("MoveForward", "W", "false") + "</list>");
  Tap(0x39);  // Space
  Tap(0x1F);  // S
  Tap(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveForward(0)"}));
  EXPECT_EQ(Variable("MoveBack"), "Spcae");
}

TEST_F(BindingsTest, FieldsAreTakenByPosition) {
  StartWith(kHeader +
            "<list><var><bool name=\"Mouse\">false</bool><string name=\"KeyName\">W</string>"
            "<string name=\"Function\">MoveForward</string></var>" +
            Record("MoveBack", "S", "false") + "</list>");
  Tap(kKeyW);
  Tap(0x1F);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveBack(1)", "player:MoveBack(0)"})) << "W is bound to the action \"false\"";
  EXPECT_EQ(Variable("false"), "W");
}

struct BadFile {
  const char* name;
  std::string body;
};

class BadBindingsTest : public BindingsTest, public testing::WithParamInterface<BadFile> {};

// Whatever is wrong after the first record, the first record is bound, Escape is bound, the
// failure is logged and the file is left as it is.
TEST_P(BadBindingsTest, KeepsTheRecordsReadBeforeTheFault) {
  const std::string file = kHeader + "<list>" + Record("MoveForward", "W", "false") + GetParam().body;
  StartWith(file);
  Tap(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveForward(0)"}));
  EXPECT_THAT(LogOf("LogicLog"), HasSubstr("Failed to load config. "));
  EXPECT_EQ(TempDir::Read("Data/Controls.xml"), file);
  Entity* game = Engine::Get()->GetInputFocus()->FindScheme("Game").Get();
  const KeyBinding* escape = game->Find<ControlMap>()->FindKey(0x01);
  ASSERT_NE(escape, nullptr);
  EXPECT_EQ(escape->action, "EscapePressed");
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadBindingsTest,
    testing::Values(BadFile{"Truncated", "<var><string name=\"Function\">Run</str"},
                    BadFile{"TruncatedAfterARecord", ""},
                    BadFile{"FourFields", Record("Run", "R", "false").insert(5, "<int>1</int>") + "</list>"},
                    BadFile{"NestedField", "<var><string><x>Run</x></string></var></list>"},
                    BadFile{"NoEndTag", "<var><string>Run</string>"}),
    [](const testing::TestParamInfo<BadFile>& info) { return info.param.name; });

TEST_F(BindingsTest, ShortAndEmptyRecordsBindWhatTheyHold) {
  StartWith(kHeader + "<list><var/><var><string>MoveForward</string><string>W</string></var></list>");
  Tap(kKeyW);
  Frame();
  EXPECT_EQ(received, (Strings{"player:MoveForward(1)", "player:MoveForward(0)"}));
  // The game settings' write-back is the log's only line: no handler refused its arguments.
  const std::string logicLog = LogOf("LogicLog");
  EXPECT_EQ(logicLog.find("parameters"), std::string::npos) << logicLog;
  EXPECT_EQ(logicLog.find("size"), std::string::npos) << logicLog;
}

}  // namespace
