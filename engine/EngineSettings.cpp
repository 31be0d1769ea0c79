#include "engine/EngineSettings.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void ReadFields(EngineSettings& s, XmlReader& reader) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
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

void WriteDocument(const EngineSettings& s, XmlWriter& writer) {
  writer.WriteStartElement("var");
  SaveEngineSettings(s, writer);
  writer.WriteEndElement();
}

}  // namespace

void LoadEngineSettings(EngineSettings& s, const std::string& path) {
  LoadConfigFile(
      path, "EngineLog", [&](XmlReader& r) { ReadFields(s, r); }, [&](XmlWriter& w) { WriteDocument(s, w); });
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
  SaveConfigFile(path, "EngineLog", [&](XmlWriter& w) { WriteDocument(s, w); });
}
