#include "physics/InterpNodes.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "physics/VectorXml.h"

namespace {

void ReadNode(XmlReader& reader, std::vector<InterpNode>& nodes) {
  reader.ReadTag();
  if (reader.IsEndTag()) return;
  InterpNode node;
  if (!reader.IsEmptyTag()) {
    ReadVector3Xml(reader, node.pos);
    ReadVector3Xml(reader, node.dir);
    reader.ReadTag();
  }
  nodes.push_back(node);
}

void ReadPath(XmlReader& reader, InterpNodeTable& table) {
  reader.ReadTag();
  if (reader.IsEmptyTag() || reader.IsEndTag()) return;
  std::string name;
  XmlReadStringElement(reader, name);
  std::vector<InterpNode>& nodes = table[name];
  reader.ReadTag();
  if (!reader.IsEmptyTag() && !reader.IsEndTag()) {
    while (reader.HasChildren()) ReadNode(reader, nodes);
    reader.ReadTag();
  }
  reader.ReadTag();
}

void ReadTable(XmlReader& reader, InterpNodeTable& table) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  while (reader.HasChildren()) ReadPath(reader, table);
  reader.ReadTag();
}

void WriteTable(const InterpNodeTable& table, XmlWriter& writer) {
  writer.WriteStartElement("list");
  for (const auto& [name, nodes] : table) {
    writer.WriteStartElement("pair");
    XmlWriteBareString(writer, name);
    writer.WriteStartElement("list");
    for (const InterpNode& node : nodes) {
      writer.WriteStartElement("var");
      WriteVector3Xml(writer, "pos", node.pos);
      WriteVector3Xml(writer, "dir", node.dir);
      writer.WriteEndElement();
    }
    writer.WriteEndElement();
    writer.WriteEndElement();
  }
  writer.WriteEndElement();
}

}  // namespace

void LoadInterpNodes(InterpNodeTable& table, const std::string& path) {
  table.clear();
  LoadConfigFile(
      path, "PhysicsLog", [&](XmlReader& r) { ReadTable(r, table); }, [&](XmlWriter& w) { WriteTable(table, w); });
}

void SaveInterpNodes(const InterpNodeTable& table, const std::string& path) {
  SaveConfigFile(path, "PhysicsLog", [&](XmlWriter& w) { WriteTable(table, w); });
}
