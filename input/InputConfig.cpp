#include "input/InputConfig.h"

#include "engine/ConfigFile.h"

void LoadInputConfig(InputConfig& c, const std::string& path) {
  LoadRecordFile(c, path, "InputLog", WhenMissing::WriteBack);
}

void SaveInputConfig(const InputConfig& c, const std::string& path) { SaveRecordFile(c, path, "InputLog"); }
