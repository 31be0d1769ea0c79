#include "engine/ConsoleWindow.h"

#include <algorithm>

#include "engine/Engine.h"

namespace {
uint32_t Pack(float r, float g, float b, float a) {
  auto byte = [](float x) { return static_cast<uint32_t>(std::clamp(x, 0.0f, 1.0f) * 255.0f + 0.5f); };
  return byte(a) << 24 | byte(r) << 16 | byte(g) << 8 | byte(b);
}
}  // namespace

uint32_t ConsoleWindow::ColourOf(int code) {
  switch (code) {
    case 1: return Pack(1, 0, 0, 0.5f);
    case 2: return Pack(0.7f, 0.3f, 0.6f, 1.0f);
    case 3: return Pack(0, 1, 0, 0.5f);
    case 4: return Pack(1, 1, 0, 0.5f);
    default: return Pack(1, 1, 1, 0.5f);
  }
}

void ConsoleWindow::Init() {
  x_ = 10;
  y_ = 10;
  shownLines_ = kShownLines;
  // The console's keys come through the input system's class; without one it takes none.
  EntityManager* entities = Engine::Get()->GetEntityManager();
  if (entities->IsRegistered("WinConsoleInput")) inputEntity_ = entities->Create("WinConsoleInput");
}

void ConsoleWindow::AddLine(const std::string& text, int colour) {
  lines_.emplace_back(text, colour);
  const int count = static_cast<int>(lines_.size());
  if (count > firstLine_ + shownLines_) firstLine_ = count - shownLines_;
}

void ConsoleWindow::Scroll(int lines) {
  if (!visible_) return;
  const int count = static_cast<int>(lines_.size());
  firstLine_ += lines;
  if (firstLine_ >= count) firstLine_ = count - 1;
  if (firstLine_ < 0) firstLine_ = 0;
}

void ConsoleWindow::OnChar(char c) {
  if (c == 8) {
    if (!inputLine_.empty()) inputLine_.pop_back();
  } else if (c == 13) {
    if (visible_) OnEnter();
  } else if (typing_) {
    inputLine_ += c;
  }
}

void ConsoleWindow::OnEnter() {
  if (typing_) {
    std::string line;
    line.swap(inputLine_);
    AddLine(line, 2);
    Engine::Get()->GetCommandDispatcher()->Execute(line, "ConsoleCmd");
  }
  typing_ = !typing_;
}

void ConsoleWindow::Draw(const ConsoleTextPainter& paint) {
  if (!visible_) return;
  int top = y_;
  const int count = static_cast<int>(lines_.size());
  for (int i = firstLine_; i < count && i < firstLine_ + shownLines_; ++i) {
    paint(lines_[i].first, x_, top, ColourOf(lines_[i].second));
    top += kLineHeight;
  }
  paint(inputLine_, x_, top + 2 * kLineHeight, kInputColour);
}
