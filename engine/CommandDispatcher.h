#pragma once
#include <string>

// Turns a typed command line into a message broadcast: the first word names the message, at
// most four more become its text arguments. Words are separated by blanks, tabs and line ends;
// double quotes make one word of what they enclose.
class CommandDispatcher {
 public:
  static constexpr size_t kMaxParameters = 4;
  void Execute(const std::string& line, const std::string& channel);

 private:
  bool ReadWord(std::string& word);

  const std::string* line_ = nullptr;
  size_t pos_ = 0;
};
