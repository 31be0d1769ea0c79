#include "map/StringList.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

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

namespace {

void WriteList(const std::vector<std::string>& strings, XmlWriter& writer) {
  writer.WriteStartElement("list");
  for (const std::string& s : strings) XmlWriteBareString(writer, s);
  writer.WriteEndElement();
}

}  // namespace

void LoadStringListXml(std::vector<std::string>& out, const std::string& fileName) {
  LoadConfigFile(
      fileName, "GraphicsLog",
      [&](XmlReader& reader) {
        reader.ReadTag();
        if (reader.IsEmptyTag()) return;
        out.clear();
        while (reader.HasChildren()) out.push_back(ReadEntry(reader));
        reader.ReadTag();
      },
      [&](XmlWriter& w) { WriteList(out, w); });
}

void SaveStringListXml(const std::vector<std::string>& strings, const std::string& fileName) {
  SaveConfigFile(fileName, "GraphicsLog", [&](XmlWriter& w) { WriteList(strings, w); });
}
