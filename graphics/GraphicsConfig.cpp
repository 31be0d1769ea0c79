#include "graphics/GraphicsConfig.h"

#include "engine/ConfigFile.h"

void LoadGraphicsConfig(GraphicsConfig& config, const std::string& path) {
  LoadRecordFile(config, path, "GraphicsLog", WhenMissing::WriteBack);
}

void SaveGraphicsConfig(const GraphicsConfig& config, const std::string& path) {
  SaveRecordFile(config, path, "GraphicsLog");
}
