#include "logic/MapList.h"

#include "engine/ConfigFile.h"
#include "graphics/RecordFields.h"

std::vector<std::string> ReadMapList(const std::string& path) {
  std::vector<std::string> names;
  LoadConfigFile(
      path, "LogicLog", [&](XmlReader& reader) { RecordFields::FieldReader{reader}("", names); },
      [&](XmlWriter& writer) { RecordFields::FieldWriter{writer}("", names); });
  return names;
}
