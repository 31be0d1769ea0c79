#include "engine/EngineSettings.h"

#include "engine/ConfigFile.h"

void LoadEngineSettings(EngineSettings& s, const std::string& path) {
  LoadRecordFile(s, path, "EngineLog", WhenMissing::WriteBack);
}

void SaveEngineSettingsFile(const EngineSettings& s, const std::string& path) { SaveRecordFile(s, path, "EngineLog"); }
