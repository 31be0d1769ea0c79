#pragma once
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>

// One log file per channel ("EngineLog" writes "EngineLog.txt" in the working folder), created
// on the channel's first line of the process. Severity 1 and 2 also print the line on the
// console in yellow and red; 3 also shows a message box captioned "Error".
class Log {
 public:
  void Write(const std::string& channel, const std::string& text, unsigned severity);
  // As Write, for a line that is said once per run: the same line on the same channel again
  // is not written.
  void WriteOnce(const std::string& channel, const std::string& text, unsigned severity);
  // Throws std::runtime_error("could not open file") and enters nothing when it fails.
  void Open(const std::string& channel);
  bool IsOpen(const std::string& channel) const { return files_.count(channel) != 0; }

 private:
  std::map<std::string, std::unique_ptr<std::ofstream>> files_;
  std::set<std::pair<std::string, std::string>> saidOnce_;
};
