#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/ConsoleWindow.h"
#include "tests/support/EngineFixture.h"

class Logs : public EngineFixture {};

TEST_F(Logs, EachChannelIsItsOwnFileOfPlainLines) {
  Log* log = Bare()->GetLog();
  log->Write("EngineLog", "first", 0);
  log->Write("EngineLog", "second", 7);
  log->Write("AI Log", "other", 0);
  EXPECT_EQ(LogOf("EngineLog"), "first\nsecond\n");
  EXPECT_EQ(LogOf("AI Log"), "other\n");
  EXPECT_FALSE(TempDir::Exists("SoundLog.txt"));
  EXPECT_TRUE(Engine::Get()->GetConsole()->PendingLines().empty());
}

TEST_F(Logs, NotesAndErrorsWaitForTheConsoleWindowInOrder) {
  Engine* e = Bare();
  e->GetLog()->Write("EngineLog", "a note", 1);
  e->GetLog()->Write("EngineLog", "an error", 2);
  e->GetLog()->Write("EngineLog", "file only", 0);
  ASSERT_EQ(e->GetConsole()->PendingLines().size(), 2u);
  e->GetConsole()->Init();
  EXPECT_TRUE(e->GetConsole()->PendingLines().empty());
  const auto& lines = e->GetConsole()->GetWindow()->Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (std::pair<std::string, int>("a note", Console::kYellow)));
  EXPECT_EQ(lines[1], (std::pair<std::string, int>("an error", Console::kRed)));
}

TEST_F(Logs, AChannelWhoseFileCannotBeOpenedStillReachesTheConsole) {
  Engine* e = Bare();
  // A folder where the file should be: it cannot be opened for writing, even by root.
  ::mkdir("SoundLog.txt", 0755);
  e->GetLog()->Write("SoundLog", "no sound device", 1);
  EXPECT_FALSE(e->GetLog()->IsOpen("SoundLog"));
  EXPECT_EQ(e->GetConsole()->PendingLines().size(), 1u);
  // The next line tries again.
  ::rmdir("SoundLog.txt");
  e->GetLog()->Write("SoundLog", "later", 0);
  EXPECT_EQ(LogOf("SoundLog"), "later\n");
}

TEST_F(Logs, ASevereLineDoesNotWaitForAnyoneWithoutADisplay) {
  Bare()->GetLog()->Write("GraphicsLog", "device lost", 3);
  EXPECT_EQ(LogOf("GraphicsLog"), "device lost\n");
}
