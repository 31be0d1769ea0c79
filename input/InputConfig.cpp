#include "input/InputConfig.h"

#include "engine/Engine.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {
void LogInput(const std::string& text) { Engine::Get()->GetLog()->Write("InputLog", text, 2); }
}  // namespace

void LoadInputConfig(InputConfig& c, const std::string& path) {
  try {
    XmlReader reader;
    reader.Open(path);
    reader.ReadTag();
    if (!reader.IsEmptyTag()) {
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
    reader.Close();
  } catch (const SerException& e) {
    LogInput(std::string("Failed to load config. ") + e.what());
    if (e.Code() == SerException::kCouldNotOpen) SaveInputConfig(c, path);
  }
}

void SaveInputConfig(const InputConfig& c, const std::string& path) {
  try {
    XmlWriter writer;
    writer.Open(path);
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
    writer.Close();
  } catch (const std::exception& e) {
    LogInput(std::string("Failed to save config. ") + e.what());
  }
}
