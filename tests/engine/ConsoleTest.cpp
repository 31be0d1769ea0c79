#include <gtest/gtest.h>

#include "engine/ConsoleWindow.h"
#include "engine/MainWindow.h"
#include "tests/support/EngineFixture.h"

class ConsoleView : public EngineFixture {
 protected:
  void SetUp() override { Start(); }
  ~ConsoleView() override { MainWindow::Destroy(); }
  ConsoleWindow* win() { return Engine::Get()->GetConsole()->GetWindow(); }
  Console* con() { return Engine::Get()->GetConsole(); }
  void PrintLines(int n) {
    for (int i = 0; i < n; ++i) con()->Print("line " + std::to_string(i + 1), 0);
  }
};

TEST_F(ConsoleView, StartUpLinesAppearInOrderOnceTheWindowExists) {
  const auto& lines = win()->Lines();
  ASSERT_GE(lines.size(), 1u);
  EXPECT_EQ(lines[0].first, "Failed to load config. Data/EngineConfig.xml: could not open file");
  EXPECT_EQ(lines[0].second, Console::kRed);
}

TEST_F(ConsoleView, TheViewFollowsTheNewestThirtyLinesAndScrollsWithinBounds) {
  size_t start = win()->Lines().size();
  con()->ToggleVisible();
  PrintLines(31);
  int newest = static_cast<int>(start) + 31 - 30;
  EXPECT_EQ(win()->FirstLine(), newest);
  con()->Scroll(-1);
  EXPECT_EQ(win()->FirstLine(), newest - 1);
  PrintLines(1);
  EXPECT_EQ(win()->FirstLine(), newest + 1);
  con()->Scroll(1000);
  EXPECT_EQ(win()->FirstLine(), static_cast<int>(win()->Lines().size()) - 1);
  con()->Scroll(-100000);
  EXPECT_EQ(win()->FirstLine(), 0);
  // Scrolling does nothing while hidden.
  con()->ToggleVisible();
  con()->Scroll(5);
  EXPECT_EQ(win()->FirstLine(), 0);
}

TEST_F(ConsoleView, TypingNeedsEnterFirstAndBackspaceAlwaysWorks) {
  con()->OnChar('x');
  EXPECT_EQ(win()->InputLine(), "");
  con()->OnChar(13);  // hidden: Enter does nothing
  EXPECT_FALSE(con()->IsTyping());
  con()->ToggleVisible();
  con()->OnChar(13);
  EXPECT_TRUE(con()->IsTyping());
  for (char c : std::string("getvar x")) con()->OnChar(c);
  con()->OnChar(8);
  EXPECT_EQ(win()->InputLine(), "getvar ");
  con()->OnChar('y');
  size_t before = win()->Lines().size();
  con()->OnChar(13);
  EXPECT_FALSE(con()->IsTyping());
  EXPECT_EQ(win()->InputLine(), "");
  ASSERT_EQ(win()->Lines().size(), before + 2);
  EXPECT_EQ(win()->Lines()[before], (std::pair<std::string, int>("getvar y", Console::kPurple)));
  EXPECT_EQ(win()->Lines()[before + 1].first, " Couldn't get variable  y");
}

TEST_F(ConsoleView, AnEmptyEnteredLineEchoesAndRunsNothing) {
  con()->ToggleVisible();
  con()->OnChar(13);
  size_t before = win()->Lines().size();
  con()->OnChar(13);
  ASSERT_EQ(win()->Lines().size(), before + 1);
  EXPECT_EQ(win()->Lines().back().first, "");
}

TEST_F(ConsoleView, ComposedLinesPutABlankBeforeEveryItem) {
  con()->AppendText("two").AppendText("words ").AppendText("end").AppendText("\n");
  EXPECT_EQ(win()->Lines().back(), (std::pair<std::string, int>(" two words  end", Console::kWhite)));
  EXPECT_EQ(ConsoleWindow::ColourOf(1), 0x80FF0000u);
  EXPECT_EQ(ConsoleWindow::ColourOf(2), 0xFFB34D99u);
  EXPECT_EQ(ConsoleWindow::ColourOf(99), ConsoleWindow::ColourOf(0));
}

// What the graphics system is asked to draw: the shown lines top-down in their colours, then
// the command line two lines below the last; nothing while hidden.
TEST_F(ConsoleView, DrawingPaintsTheShownLinesAndTheCommandLineBelowThem) {
  struct Painted {
    std::string text;
    int x, y;
    uint32_t argb;
    bool operator==(const Painted&) const = default;
  };
  std::vector<Painted> painted;
  const ConsoleTextPainter paint = [&painted](const std::string& text, int x, int y, uint32_t argb) {
    painted.push_back({text, x, y, argb});
  };
  con()->Draw(paint);
  EXPECT_TRUE(painted.empty()) << "hidden";

  con()->ToggleVisible();
  PrintLines(40);
  con()->Print("last", Console::kRed);
  con()->OnChar(13);
  con()->OnChar('a');
  con()->Draw(paint);
  ASSERT_EQ(painted.size(), size_t(ConsoleWindow::kShownLines) + 1);
  EXPECT_EQ(painted.front(), (Painted{"line 12", 10, 10, ConsoleWindow::ColourOf(0)}));
  const int lastTop = 10 + (ConsoleWindow::kShownLines - 1) * ConsoleWindow::kLineHeight;
  EXPECT_EQ(painted[ConsoleWindow::kShownLines - 1], (Painted{"last", 10, lastTop, ConsoleWindow::ColourOf(1)}));
  EXPECT_EQ(painted.back(), (Painted{"a", 10, lastTop + 3 * ConsoleWindow::kLineHeight, ConsoleWindow::kInputColour}));
}

// The console's keys come from the input system; the stand-ins here have none, and the
// console starts without a key scheme rather than with an error.
TEST_F(ConsoleView, WithoutAnInputSystemTheConsoleTakesNoKeysAndReportsNothing) {
  EXPECT_EQ(win()->InputEntity(), nullptr);
  for (const auto& [text, colour] : win()->Lines()) EXPECT_EQ(text.find("Could not allocate"), std::string::npos);
  EXPECT_EQ(Engine::Get()->GetInput(), nullptr);
  EXPECT_EQ(Engine::Get()->GetGraphics(), nullptr);
  EXPECT_EQ(Engine::Get()->GetCurrentMap(), nullptr) << "no game logic, no current map";
}
