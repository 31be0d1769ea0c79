#include "ai/AIActionSets.h"

#include <algorithm>

#include "ai/AIConfig.h"
#include "engine/ConfigFile.h"

namespace {

// The file's root holds the table as its one list.
struct ActionFile {
  std::vector<AIActionSet>& ActionSets;
};

template <class Fields>
void VisitFields(Fields& f, ActionFile& file) {
  f("ActionSets", file.ActionSets);
}

// The C locale's folding, whatever locale the user runs in.
void LowerCase(std::string& text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}

}  // namespace

void AIActionSets::Load(const std::string& path) {
  ActionFile file{sets_};
  LoadRecordFile(file, path, kAILog, WhenMissing::WriteBack, RecordFields::FieldReader::Order::Checked);
  if (sets_.empty()) ReportEmptyList(path, kAILog, "ActionSets", "computer thieves and guards have nothing to do");
}

void AIActionSets::Save(const std::string& path) const {
  ActionFile file{const_cast<std::vector<AIActionSet>&>(sets_)};
  SaveRecordFile(file, path, kAILog);
}

void AIActionSets::LowerCaseNames() {
  for (AIActionSet& set : sets_) {
    LowerCase(set.name);
    for (AIAction& action : set.actions) LowerCase(action.Name);
  }
}

bool AIActionSets::Find(const std::string& name, AIActionSet& out) const {
  std::string folded = name;
  LowerCase(folded);
  for (const AIActionSet& set : sets_) {
    if (set.name == folded) {
      out = set;
      return true;
    }
  }
  return false;
}
