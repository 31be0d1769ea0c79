#include "physics/VectorXml.h"

#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

void WriteVector3Xml(XmlWriter& writer, const std::string& name, const platform::Vector3& value) {
  writer.WriteStartElement("var");
  if (!name.empty()) writer.WriteAttribute("name", name);
  Params::WriteNamedFloat(writer, "x", value.x);
  Params::WriteNamedFloat(writer, "y", value.y);
  Params::WriteNamedFloat(writer, "z", value.z);
  writer.WriteEndElement();
}

void ReadVector3Xml(XmlReader& reader, platform::Vector3& value) {
  reader.ReadTag();
  if (reader.IsEmptyTag() || reader.IsEndTag()) return;
  // A vector with fewer than three values keeps the others.
  for (float* field : {&value.x, &value.y, &value.z}) {
    if (reader.HasChildren()) Params::ReadFloat(reader, "", *field);
  }
  reader.ReadTag();
}
