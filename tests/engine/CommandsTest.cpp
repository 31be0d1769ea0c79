#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/ConsoleWindow.h"
#include "engine/MainWindow.h"
#include "tests/support/EngineFixture.h"

class Commands : public EngineFixture {
 protected:
  void SetUp() override { Start(); }
  ~Commands() override { MainWindow::Destroy(); }

  // Runs a typed line and returns the console lines it printed.
  std::vector<std::string> Type(const std::string& line) {
    const auto& lines = Engine::Get()->GetConsole()->GetWindow()->Lines();
    size_t before = lines.size();
    Engine::Get()->GetCommandDispatcher()->Execute(line, "ConsoleCmd");
    std::vector<std::string> out;
    for (size_t i = before; i < lines.size(); ++i) out.push_back(lines[i].first);
    return out;
  }
  EngineSystem* ai() { return Engine::Get()->GetSystems().front(); }
};

TEST_F(Commands, AiSwitchesTheFirstSystemAndOnlyTrueIsTrue) {
  EXPECT_EQ(Type("ai false"), std::vector<std::string>{" AI is  false"});
  EXPECT_FALSE(ai()->IsRunning());
  journal.clear();
  Frame(0.01);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "AI.Update"), 0);
  Type("ai true");
  Frame(0.01);
  EXPECT_EQ(std::count(journal.begin(), journal.end(), "AI.Update"), 1);
  Type("ai yes");
  EXPECT_FALSE(ai()->IsRunning());
  EXPECT_EQ(Type("ai"), std::vector<std::string>{"Incorrect number of parameters"});
  EXPECT_TRUE(Type(" \t ").empty());
  EXPECT_TRUE(Type("\"\" ai true").empty());
}

TEST_F(Commands, VariablesAreReadAndSetAsText) {
  // The message text ends with a blank and the name brings its own: two blanks between them.
  EXPECT_EQ(Type("getvar nobody"), std::vector<std::string>{" Couldn't get variable  nobody"});
  EXPECT_EQ(Type("setvar nobody 1"), std::vector<std::string>{" Couldn't set variable  nobody"});
  double fps = 0;
  BindDoubleVariable("fps", &fps);
  EXPECT_TRUE(Type("setvar fps 30").empty());
  EXPECT_EQ(fps, 30.0);
  EXPECT_EQ(Type("getvar fps"), std::vector<std::string>{" fps  =  30"});
  EXPECT_EQ(Type("listvars"), std::vector<std::string>{" fps  =  30"});
  EXPECT_EQ(Type("listvars and more words"), std::vector<std::string>{" fps  =  30"});
  // Empty quotes end the words: one parameter is too few.
  EXPECT_EQ(Type("setvar fps \"\" 12"), std::vector<std::string>{"Incorrect number of parameters"});
  EXPECT_EQ(fps, 30.0);
}

TEST_F(Commands, QuotesMakeOneWordAndFiveParametersAreTooMany) {
  std::string s;
  BindStringVariable("title", &s);
  Type("setvar title \"The Night Watch\"");
  EXPECT_EQ(s, "The Night Watch");
  Type("setvar title \"unterminated quote");
  EXPECT_EQ(s, "unterminated quote");
  Type("setvar title caf\xc3\xa9");
  EXPECT_EQ(s, "caf\xc3\xa9");
  EXPECT_EQ(Type("setvar a b c d e"), std::vector<std::string>{" Too many parameters"});
  EXPECT_EQ(Type("setvar a b c d"), std::vector<std::string>{"Incorrect number of parameters"});
  std::string huge(1 << 20, 'x');
  Type("setvar title " + huge);
  EXPECT_EQ(s.size(), huge.size());
}

TEST_F(Commands, ExportWritesTheEditorFileAndSurvivesAFolderItCannotWrite) {
  auto out = Type("export now please");
  EXPECT_EQ(out.front(), " Exporting Entities to Radiant .ent file");
  EXPECT_NE(TempDir::Read("Entities.ent").find("<point name=\"EngineCmds\""), std::string::npos);

  ::mkdir("gone", 0755);
  ASSERT_EQ(::chdir("gone"), 0);
  ::rmdir((dir.Path() + "/gone").c_str());
  out = Type("export");
  ASSERT_EQ(::chdir(dir.Path().c_str()), 0);
  EXPECT_EQ(out.back(), "Could not export entities. could not open file");
}
