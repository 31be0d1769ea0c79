#pragma once
#include <functional>
#include <string>

// Where the navigation's lines go (its owner's log), with their severity: 0 for news, 2 for
// trouble with a file. An empty one drops them.
using NavLog = std::function<void(const std::string& text, unsigned severity)>;

// Hands the line to the log, if there is one.
inline void LogLine(const NavLog& log, const std::string& text, unsigned severity) {
  if (log) log(text, severity);
}
