#include "engine/ConfigFile.h"

#include "engine/Engine.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void LogLine(const std::string& channel, const std::string& text) { Engine::Get()->GetLog()->Write(channel, text, 2); }

}  // namespace

bool LoadConfigFile(const std::string& path, const std::string& channel, WhenMissing missing,
                    const RecordRead& read, const RecordWrite& write, RecordFields::FieldReader::Order order) {
  XmlReader reader;
  RecordFields::FieldReader fields(reader, order);
  bool opened = true;
  try {
    reader.Open(path);
    read(fields);
    reader.Close();
  } catch (const SerException& e) {
    opened = e.Code() != SerException::kCouldNotOpen;
    const std::string where = opened ? " at " + reader.Position() : std::string();
    LogLine(channel, "Failed to load config. " + path + ": " + e.what() + where);
  }
  for (const std::string& note : fields.Notes()) LogLine(channel, path + ": " + note);
  if (!opened && missing == WhenMissing::WriteBack) SaveConfigFile(path, channel, write);
  return opened;
}

void SaveConfigFile(const std::string& path, const std::string& channel, const RecordWrite& write) {
  try {
    XmlWriter writer;
    writer.Open(path);
    RecordFields::FieldWriter fields(writer);
    write(fields);
    writer.Close();
  } catch (const std::exception& e) {
    LogLine(channel, "Failed to save config. " + path + ": " + e.what());
  }
}
