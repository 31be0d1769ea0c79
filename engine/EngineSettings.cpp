#include "engine/EngineSettings.h"

#include "engine/Engine.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {
void LogEngine(const std::string& text) { Engine::Get()->GetLog()->Write("EngineLog", text, 2); }
}  // namespace

void LoadEngineSettings(EngineSettings& s, const std::string& path) {
  try {
    XmlReader reader;
    reader.Open(path);
    reader.ReadTag();
    if (!reader.IsEmptyTag()) {
      Params::ReadBool(reader, "RunAI", s.RunAI);
      Params::ReadBool(reader, "RunGraphics", s.RunGraphics);
      Params::ReadBool(reader, "RunPhysics", s.RunPhysics);
      Params::ReadBool(reader, "RunLogic", s.RunLogic);
      Params::ReadBool(reader, "RunSound", s.RunSound);
      Params::ReadBool(reader, "RunInput", s.RunInput);
      Params::ReadBool(reader, "dbgTimer", s.dbgTimer);
      Params::ReadFloat(reader, "dbgInterval", s.dbgInterval);
      Params::ReadBool(reader, "Widescreen", s.Widescreen);
      reader.ReadTag();
    }
    reader.Close();
  } catch (const SerException& e) {
    LogEngine(std::string("Failed to load config. ") + e.what());
    if (e.Code() == SerException::kCouldNotOpen) SaveEngineSettingsFile(s, path);
  }
}

void SaveEngineSettings(const EngineSettings& s, XmlWriter& writer) {
  Params::WriteNamedBool(writer, "RunAI", s.RunAI);
  Params::WriteNamedBool(writer, "RunGraphics", s.RunGraphics);
  Params::WriteNamedBool(writer, "RunPhysics", s.RunPhysics);
  Params::WriteNamedBool(writer, "RunLogic", s.RunLogic);
  Params::WriteNamedBool(writer, "RunSound", s.RunSound);
  Params::WriteNamedBool(writer, "RunInput", s.RunInput);
  Params::WriteNamedBool(writer, "dbgTimer", s.dbgTimer);
  Params::WriteNamedFloat(writer, "dbgInterval", s.dbgInterval);
  Params::WriteNamedBool(writer, "Widescreen", s.Widescreen);
}

void SaveEngineSettingsFile(const EngineSettings& s, const std::string& path) {
  try {
    XmlWriter writer;
    writer.Open(path);
    writer.WriteStartElement("var");
    SaveEngineSettings(s, writer);
    writer.WriteEndElement();
    writer.Close();
  } catch (const std::exception& e) {
    LogEngine(std::string("Failed to save config. ") + e.what());
  }
}
