#include "entity/Params.h"

#include "entity/ValueText.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void WriteValue(XmlWriter& writer, const char* element, const std::string& name, const std::string& text,
                bool named) {
  writer.WriteStartElement(element);
  if (named) writer.WriteAttribute("name", name);
  writer.WriteString(text);
  writer.WriteEndElement();
}

// The reading idiom of one element: its tag; unless self-closing (or the enclosing element's
// end), take the value and read the end tag.
template <class Take>
void ReadElement(XmlReader& reader, Take take) {
  reader.ReadTag();
  if (reader.IsEmptyTag() || reader.IsEndTag()) return;
  take();
  reader.ReadTag();
}

}  // namespace

namespace Params {

void WriteFloat(XmlWriter& writer, const std::string& name, float value, bool named) {
  WriteValue(writer, "float", name, FloatText(value), named);
}

void WriteNamedFloat(XmlWriter& writer, const std::string& name, float value) {
  WriteFloat(writer, name, value, true);
}

void WriteBool(XmlWriter& writer, const std::string& name, bool value, bool named) {
  WriteValue(writer, "bool", name, BoolText(value), named);
}

void WriteNamedBool(XmlWriter& writer, const std::string& name, bool value) { WriteBool(writer, name, value, true); }

void ReadFloat(XmlReader& reader, const std::string&, float& value) {
  ReadElement(reader, [&] { value = ParseFloatText(reader.GetText()); });
}

void ReadBool(XmlReader& reader, const std::string&, bool& value) {
  ReadElement(reader, [&] { value = ParseBoolText(reader.GetText()); });
}

}  // namespace Params

void XmlWriteInt(XmlWriter& writer, const std::string& name, int value, bool named) {
  WriteValue(writer, "int", name, std::to_string(value), named);
}

void XmlWriteNamedInt(XmlWriter& writer, const std::string& name, int value) { XmlWriteInt(writer, name, value, true); }

void XmlWriteString(XmlWriter& writer, const std::string& name, const std::string& value, bool named) {
  WriteValue(writer, "string", name, value, named);
}

void XmlWriteNamedString(XmlWriter& writer, const std::string& name, const std::string& value) {
  XmlWriteString(writer, name, value, true);
}

void XmlWriteComponent(XmlWriter& writer, const std::string& name, bool named) {
  writer.WriteStartElement("var");
  if (named) writer.WriteAttribute("name", name);
  writer.WriteEndElement();
}

void XmlReadIntElement(XmlReader& reader, int& value) {
  ReadElement(reader, [&] { value = ParseIntText(reader.GetText()); });
}

void XmlReadNamedInt(XmlReader& reader, const std::string&, int& value) { XmlReadIntElement(reader, value); }

void XmlReadStringElement(XmlReader& reader, std::string& value) {
  ReadElement(reader, [&] { value = reader.GetText(); });
}

void XmlReadNamedString(XmlReader& reader, const std::string&, std::string& value) {
  XmlReadStringElement(reader, value);
}

void XmlReadComponent(XmlReader& reader, const std::string&) {
  ReadElement(reader, [] {});
}
