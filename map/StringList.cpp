#include "map/StringList.h"

#include "engine/ConfigFile.h"

void LoadStringListXml(std::vector<std::string>& out, const std::string& fileName, const std::string& channel) {
  LoadRecordFile(out, fileName, channel, WhenMissing::ReportOnce);
}

void SaveStringListXml(const std::vector<std::string>& strings, const std::string& fileName) {
  SaveRecordFile(strings, fileName, "GraphicsLog");
}
