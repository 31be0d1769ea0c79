#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/Console.h"

class Entity;

// The console inside the game window: its lines, scroll position, visibility and the command
// line being typed. Drawing goes through the graphics device once it exists.
class ConsoleWindow {
 public:
  static constexpr int kShownLines = 30;
  static constexpr int kLineHeight = 15;

  void Init();
  void AddLine(const std::string& text, int colour);
  void Scroll(int lines);
  void OnChar(char c);
  void OnEnter();
  void Draw(const ConsoleTextPainter& paint);

  void ToggleVisible() { visible_ = !visible_; }
  bool IsVisible() const { return visible_; }
  bool IsTyping() const { return typing_; }
  int FirstLine() const { return firstLine_; }
  const std::string& InputLine() const { return inputLine_; }
  const std::vector<std::pair<std::string, int>>& Lines() const { return lines_; }
  Entity* InputEntity() const { return inputEntity_; }

  // The colour a code draws in, as 0xAARRGGBB; unknown codes draw as code 0.
  static uint32_t ColourOf(int code);
  static constexpr uint32_t kInputColour = 0xFF4DCC1A;

 private:
  bool visible_ = false;
  std::vector<std::pair<std::string, int>> lines_;
  int x_ = 10;
  int y_ = 10;
  int shownLines_ = kShownLines;
  int firstLine_ = 0;
  bool typing_ = false;
  std::string inputLine_;
  Entity* inputEntity_ = nullptr;
};
