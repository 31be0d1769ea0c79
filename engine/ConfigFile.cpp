#include "engine/ConfigFile.h"

#include "engine/Engine.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

bool LoadConfigFile(const std::string& path, const std::string& channel, const std::function<void(XmlReader&)>& read,
                    const std::function<void(XmlWriter&)>& write) {
  try {
    XmlReader reader;
    reader.Open(path);
    read(reader);
    reader.Close();
  } catch (const SerException& e) {
    Engine::Get()->GetLog()->Write(channel, std::string("Failed to load config. ") + e.what(), 2);
    if (e.Code() == SerException::kCouldNotOpen) {
      if (write) SaveConfigFile(path, channel, write);
      return false;
    }
  }
  return true;
}

void SaveConfigFile(const std::string& path, const std::string& channel,
                    const std::function<void(XmlWriter&)>& write) {
  try {
    XmlWriter writer;
    writer.Open(path);
    write(writer);
    writer.Close();
  } catch (const std::exception& e) {
    Engine::Get()->GetLog()->Write(channel, std::string("Failed to save config. ") + e.what(), 2);
  }
}
