#include "physics/InterpNodes.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "physics/VectorXml.h"

namespace {

// Every reader below takes one element that the caller knows is there (HasChildren), so a
// record shorter than expected keeps its end tag for its own reader.
void ReadNode(XmlReader& reader, std::vector<InterpNode>& nodes) {
  reader.ReadTag();
  InterpNode node;
  if (!reader.IsEmptyTag()) {
    if (reader.HasChildren()) ReadVector3Xml(reader, node.pos);
    if (reader.HasChildren()) ReadVector3Xml(reader, node.dir);
    reader.ReadTag();
  }
  nodes.push_back(node);
}

void ReadNodes(XmlReader& reader, std::vector<InterpNode>& nodes) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  while (reader.HasChildren()) ReadNode(reader, nodes);
  reader.ReadTag();
}

void ReadPath(XmlReader& reader, InterpNodeTable& table) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  std::string name;
  if (reader.HasChildren()) XmlReadStringElement(reader, name);
  std::vector<InterpNode>& nodes = table[name];
  if (reader.HasChildren()) ReadNodes(reader, nodes);
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
