#include "ai/AIConfig.h"

#include "engine/ConfigFile.h"

void LoadAIConfig(AIConfig& config, const std::string& path) {
  LoadRecordFile(config, path, kAILog, WhenMissing::WriteBack, RecordFields::FieldReader::Order::Checked);
}

void SaveAIConfig(const AIConfig& config, const std::string& path) { SaveRecordFile(config, path, kAILog); }

RouteSettings PlanningSettings(const AIConfig& config) {
  RouteSettings settings;
  settings.useDatabase = config.UseDataBase;
  settings.pull = config.PullPaths;
  settings.pullPasses = config.Train ? 5 : 1;
  settings.save = config.SavePaths;
  return settings;
}
