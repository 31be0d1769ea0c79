#include "map/StringList.h"

#include "engine/ConfigFile.h"

void LoadStringListXml(std::vector<std::string>& out, const std::string& fileName) {
  LoadRecordFile(out, fileName, "GraphicsLog", WhenMissing::Report);
}

void SaveStringListXml(const std::vector<std::string>& strings, const std::string& fileName) {
  SaveRecordFile(strings, fileName, "GraphicsLog");
}
