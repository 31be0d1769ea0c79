#include "engine/CommandDispatcher.h"

#include <vector>

#include "engine/Engine.h"

namespace {
bool IsSeparator(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }
}  // namespace

bool CommandDispatcher::ReadWord(std::string& word) {
  const std::string& s = *line_;
  word.clear();
  while (pos_ < s.size() && IsSeparator(s[pos_])) ++pos_;
  if (pos_ >= s.size()) return false;
  if (s[pos_] == '"') {
    size_t end = s.find('"', ++pos_);
    if (end == std::string::npos) end = s.size();
    word.assign(s, pos_, end - pos_);
    pos_ = end < s.size() ? end + 1 : end;
  } else {
    size_t start = pos_;
    while (pos_ < s.size() && !IsSeparator(s[pos_])) ++pos_;
    word.assign(s, start, pos_ - start);
  }
  return !word.empty();
}

void CommandDispatcher::Execute(const std::string& line, const std::string& channel) {
  line_ = &line;
  pos_ = 0;
  std::string name;
  if (!ReadWord(name)) return;

  std::vector<std::string> params;
  std::string word;
  while (ReadWord(word)) {
    if (params.size() == kMaxParameters) {
      Engine::Get()->GetConsole()->AppendText("Too many parameters").AppendText("\n");
      return;
    }
    params.push_back(word);
  }

  MessageArgs args;
  switch (params.size()) {
    case 1: args = MessageArgs::FromText(params[0]); break;
    case 2: args = MessageArgs::FromTwoTexts(params[0], params[1]); break;
    case 3: args = MessageArgs::FromThreeTexts(params[0], params[1], params[2]); break;
    case 4: args = MessageArgs::FromFourTexts(params[0], params[1], params[2], params[3]); break;
    default: break;
  }
  args.SetText(true);
  Engine::Get()->BroadcastWithArgs(name, channel, &args);
}
