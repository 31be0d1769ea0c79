#include "engine/Console.h"

#include "engine/ConsoleWindow.h"
#include "platform/core/Terminal.h"

namespace {
platform::TerminalColour TerminalColourOf(int code) {
  switch (code) {
    case Console::kRed: return platform::TerminalColour::Red;
    case Console::kPurple: return platform::TerminalColour::Purple;
    case Console::kGreen: return platform::TerminalColour::Green;
    case Console::kYellow: return platform::TerminalColour::Yellow;
    default: return platform::TerminalColour::White;
  }
}
}  // namespace

Console::Console() = default;
Console::~Console() = default;

void Console::Print(const std::string& text, int colour) {
  platform::PrintTerminalLine(text, TerminalColourOf(colour));
  if (window_)
    window_->AddLine(text, colour);
  else
    pending_.emplace_back(text, colour);
}

Console& Console::AppendText(const std::string& value) {
  if (!value.empty() && value[0] == '\n') {
    Flush(kWhite);
  } else {
    currentLine_ += ' ';
    currentLine_ += value;
  }
  return *this;
}

void Console::Flush(int colour) {
  std::string line;
  line.swap(currentLine_);
  Print(line, colour);
}

void Console::Init() {
  window_ = std::make_unique<ConsoleWindow>();
  window_->Init();
  for (const auto& [text, colour] : pending_) window_->AddLine(text, colour);
  pending_.clear();
}

void Console::ToggleVisible() {
  if (window_) window_->ToggleVisible();
}
bool Console::IsVisible() const { return window_ && window_->IsVisible(); }
bool Console::IsTyping() const { return window_ && window_->IsTyping(); }
void Console::OnEnter() {
  if (window_) window_->OnEnter();
}
void Console::OnChar(char c) {
  if (window_) window_->OnChar(c);
}
void Console::Scroll(int lines) {
  if (window_) window_->Scroll(lines);
}
void Console::Draw(const ConsoleTextPainter& paint) {
  if (window_) window_->Draw(paint);
}
