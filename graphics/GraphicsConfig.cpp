#include "graphics/GraphicsConfig.h"

#include "graphics/RecordFields.h"

void LoadGraphicsConfig(GraphicsConfig& config, const std::string& path) { LoadRecordFile(config, path); }

void SaveGraphicsConfig(const GraphicsConfig& config, const std::string& path) { SaveRecordFile(config, path); }
