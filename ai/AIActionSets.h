#pragma once
#include <string>
#include <vector>

#include "ai/AIActionSet.h"

inline constexpr const char* kActionConfigPath = "Data/ActionConfig.xml";

// The table of named action sets, in file order. Names are lower-cased once after reading, so
// look-ups fold only the caller's name.
class AIActionSets {
 public:
  // Replaces the table with the file's sets; never throws. A file that cannot be opened is
  // written back from the table (empty at start-up), a damaged one is logged on "AI Log" and
  // keeps the sets read before the fault.
  void Load(const std::string& path);
  void Save(const std::string& path) const;
  // Every set name and action name in lower case, byte by byte.
  void LowerCaseNames();

  // Copies the first set whose name equals the lower-cased `name` into `out`; false, leaving
  // `out` as it is, when there is none.
  bool Find(const std::string& name, AIActionSet& out) const;

  const std::vector<AIActionSet>& Sets() const { return sets_; }
  std::vector<AIActionSet>& Sets() { return sets_; }

 private:
  std::vector<AIActionSet> sets_;
};
