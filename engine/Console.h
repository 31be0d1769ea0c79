#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <utility>

class ConsoleWindow;

// Draws one line of console text with its top left at a pixel position, in a colour given as
// 0xAARRGGBB. The graphics system, which draws the console over its frame, supplies it.
using ConsoleTextPainter = std::function<void(const std::string& text, int x, int y, uint32_t argb)>;

// The developer console: the lines the program prints and the command line being typed.
// Lines printed before the in-game window exists wait and are shown once it does; every line
// also goes to the terminal the program was started from, in its colour.
class Console {
 public:
  // Colour codes of printed lines.
  static constexpr int kWhite = 0;
  static constexpr int kRed = 1;
  static constexpr int kPurple = 2;  // the echo of an entered command
  static constexpr int kGreen = 3;
  static constexpr int kYellow = 4;

  Console();
  ~Console();

  void Print(const std::string& text, int colour);
  // Composes a line item by item, each preceded by a blank; an item that begins with a line
  // break prints the line in white and starts a new one.
  Console& AppendText(const std::string& value);
  Console& AppendText(const char* value) { return AppendText(std::string(value)); }
  Console& AppendText(bool value) { return AppendText(value ? "true" : "false"); }
  void Flush(int colour);

  void Init();
  void ToggleVisible();
  bool IsVisible() const;
  bool IsTyping() const;
  void OnEnter();
  void OnChar(char c);
  void Scroll(int lines);
  void Draw(const ConsoleTextPainter& paint);

  ConsoleWindow* GetWindow() { return window_.get(); }
  const std::list<std::pair<std::string, int>>& PendingLines() const { return pending_; }

 private:
  std::string currentLine_;
  std::list<std::pair<std::string, int>> pending_;
  std::unique_ptr<ConsoleWindow> window_;
};
