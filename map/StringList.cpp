#include "map/StringList.h"

#include "engine/Engine.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void LogGraphics(const std::string& text) { Engine::Get()->GetLog()->Write("GraphicsLog", text, 2); }

// One entry: the child's text. A child holding elements of its own is not a string list.
std::string ReadEntry(XmlReader& reader) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return std::string();
  std::string text = reader.GetText();
  reader.ReadTag();
  if (!reader.IsEndTag()) throw SerException("list entry holds an element", SerException::kBadData);
  return text;
}

}  // namespace

void LoadStringListXml(std::vector<std::string>& out, const std::string& fileName) {
  try {
    XmlReader reader;
    reader.Open(fileName);
    reader.ReadTag();
    if (!reader.IsEmptyTag()) {
      out.clear();
      while (reader.HasChildren()) out.push_back(ReadEntry(reader));
      reader.ReadTag();
    }
    reader.Close();
  } catch (const SerException& e) {
    LogGraphics(std::string("Failed to load config. ") + e.what());
    if (e.Code() == SerException::kCouldNotOpen) SaveStringListXml(out, fileName);
  }
}

void SaveStringListXml(const std::vector<std::string>& strings, const std::string& fileName) {
  try {
    XmlWriter writer;
    writer.Open(fileName);
    writer.WriteStartElement("list");
    for (const std::string& s : strings) XmlWriteBareString(writer, s);
    writer.WriteEndElement();
    writer.Close();
  } catch (const std::exception& e) {
    LogGraphics(std::string("Failed to save config. ") + e.what());
  }
}
