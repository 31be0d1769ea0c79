#include "input/InputConfig.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void ReadFields(InputConfig& c, XmlReader& reader) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  Params::ReadBool(reader, "keyboardForeground", c.keyboardForeground);
  Params::ReadBool(reader, "keyboardExclusive", c.keyboardExclusive);
  Params::ReadBool(reader, "mouseForeground", c.mouseForeground);
  Params::ReadBool(reader, "mouseExclusive", c.mouseExclusive);
  Params::ReadBool(reader, "keyboardDisableWindowsKey", c.keyboardDisableWindowsKey);
  Params::ReadFloat(reader, "doubleClickDelay", c.doubleClickDelay);
  XmlReadNamedInt(reader, "keyboardBufferSize", c.keyboardBufferSize);
  XmlReadNamedInt(reader, "mouseBufferSize", c.mouseBufferSize);
  reader.ReadTag();
}

void WriteDocument(const InputConfig& c, XmlWriter& writer) {
  writer.WriteStartElement("var");
  Params::WriteNamedBool(writer, "keyboardForeground", c.keyboardForeground);
  Params::WriteNamedBool(writer, "keyboardExclusive", c.keyboardExclusive);
  Params::WriteNamedBool(writer, "mouseForeground", c.mouseForeground);
  Params::WriteNamedBool(writer, "mouseExclusive", c.mouseExclusive);
  Params::WriteNamedBool(writer, "keyboardDisableWindowsKey", c.keyboardDisableWindowsKey);
  Params::WriteNamedFloat(writer, "doubleClickDelay", c.doubleClickDelay);
  XmlWriteNamedInt(writer, "keyboardBufferSize", c.keyboardBufferSize);
  XmlWriteNamedInt(writer, "mouseBufferSize", c.mouseBufferSize);
  writer.WriteEndElement();
}

}  // namespace

void LoadInputConfig(InputConfig& c, const std::string& path) {
  LoadConfigFile(
      path, "InputLog", [&](XmlReader& r) { ReadFields(c, r); }, [&](XmlWriter& w) { WriteDocument(c, w); });
}

void SaveInputConfig(const InputConfig& c, const std::string& path) {
  SaveConfigFile(path, "InputLog", [&](XmlWriter& w) { WriteDocument(c, w); });
}
