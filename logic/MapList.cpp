#include "logic/MapList.h"

#include "engine/ConfigFile.h"

std::vector<std::string> ReadMapList(const std::string& path) {
  std::vector<std::string> names;
  LoadRecordFile(names, path, "LogicLog", WhenMissing::Report);
  return names;
}
