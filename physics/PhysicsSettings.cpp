#include "physics/PhysicsSettings.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "physics/VectorXml.h"

namespace {

void ReadSettings(PhysicsSettings& settings, XmlReader& reader) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  if (reader.HasChildren()) Params::ReadBool(reader, "noclip", settings.noclip);
  if (reader.HasChildren()) ReadVector3Xml(reader, settings.gravity);
  reader.ReadTag();
}

void WriteSettings(const PhysicsSettings& settings, XmlWriter& writer) {
  writer.WriteStartElement("var");
  Params::WriteNamedBool(writer, "noclip", settings.noclip);
  WriteVector3Xml(writer, "gravity", settings.gravity);
  writer.WriteEndElement();
}

}  // namespace

void LoadPhysicsSettings(PhysicsSettings& settings, const std::string& path) {
  LoadConfigFile(
      path, "PhysicsLog", [&](XmlReader& r) { ReadSettings(settings, r); },
      [&](XmlWriter& w) { WriteSettings(settings, w); });
}

void SavePhysicsSettings(const PhysicsSettings& settings, const std::string& path) {
  SaveConfigFile(path, "PhysicsLog", [&](XmlWriter& w) { WriteSettings(settings, w); });
}
