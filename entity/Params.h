#pragma once
#include <string>

class XmlReader;
class XmlWriter;

// Value elements of the saved form: a plain field is one element named by its type ("float",
// "bool", "int", "string") holding the value as text, with the attribute name="field" when
// `named` is set. Records are "var" elements, collections "list" elements.
//
// Readers go by position and never compare names (the name parameters are there to mirror the
// writers). A whole-element reader takes the element's tag and, unless it is self-closing, its
// text and end tag; a self-closing element leaves the field unchanged. Meeting the end tag of
// the enclosing element instead (a record shorter than expected) also leaves the field
// unchanged, rather than handing it the text of the previous element.

namespace Params {

void WriteFloat(XmlWriter& writer, const std::string& name, float value, bool named);
void WriteNamedFloat(XmlWriter& writer, const std::string& name, float value);
void WriteBool(XmlWriter& writer, const std::string& name, bool value, bool named);
void WriteNamedBool(XmlWriter& writer, const std::string& name, bool value);

void ReadFloat(XmlReader& reader, const std::string& name, float& value);
void ReadBool(XmlReader& reader, const std::string& name, bool& value);

}  // namespace Params

void XmlWriteInt(XmlWriter& writer, const std::string& name, int value, bool named);
void XmlWriteNamedInt(XmlWriter& writer, const std::string& name, int value);
void XmlWriteString(XmlWriter& writer, const std::string& name, const std::string& value, bool named);
void XmlWriteNamedString(XmlWriter& writer, const std::string& name, const std::string& value);
// A component member: an empty "var" element; the component's own data is not saved.
void XmlWriteComponent(XmlWriter& writer, const std::string& name, bool named);

void XmlReadIntElement(XmlReader& reader, int& value);
void XmlReadNamedInt(XmlReader& reader, const std::string& name, int& value);
void XmlReadStringElement(XmlReader& reader, std::string& value);
void XmlReadNamedString(XmlReader& reader, const std::string& name, std::string& value);
// Steps over a component member's element: its tag and, unless self-closing, its end tag.
void XmlReadComponent(XmlReader& reader, const std::string& name);
