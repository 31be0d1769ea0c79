#include "graphics/RecordFields.h"

#include "entity/Params.h"

namespace RecordFields {

void FieldReader::operator()(const char* name, bool& value) { Params::ReadBool(reader_, name, value); }
void FieldReader::operator()(const char* name, int& value) { XmlReadNamedInt(reader_, name, value); }
void FieldReader::operator()(const char* name, float& value) { Params::ReadFloat(reader_, name, value); }
void FieldReader::operator()(const char* name, std::string& value) { XmlReadNamedString(reader_, name, value); }
void FieldReader::operator()(const char*, platform::Vector3& v) { ReadFloats({&v.x, &v.y, &v.z}); }
void FieldReader::operator()(const char*, platform::Color& c) { ReadFloats({&c.r, &c.g, &c.b, &c.a}); }
void FieldReader::operator()(const char*, platform::Quaternion& q) { ReadFloats({&q.x, &q.y, &q.z, &q.w}); }

void FieldReader::operator()(const char*, std::vector<std::string>& value) {
  reader_.ReadTag();
  if (reader_.IsEmptyTag() || reader_.IsEndTag()) return;
  value.clear();
  while (reader_.HasChildren()) {
    std::string item;
    XmlReadStringElement(reader_, item);
    value.push_back(std::move(item));
  }
  reader_.ReadTag();
}

void FieldReader::ReadFloats(std::initializer_list<float*> fields) {
  reader_.ReadTag();
  if (reader_.IsEmptyTag() || reader_.IsEndTag()) return;
  for (float* field : fields) Params::ReadFloat(reader_, "", *field);
  reader_.ReadTag();
}

void FieldWriter::operator()(const char* name, bool value) { Params::WriteNamedBool(writer_, name, value); }
void FieldWriter::operator()(const char* name, int value) { XmlWriteNamedInt(writer_, name, value); }
void FieldWriter::operator()(const char* name, float value) { Params::WriteNamedFloat(writer_, name, value); }
void FieldWriter::operator()(const char* name, const std::string& value) { XmlWriteNamedString(writer_, name, value); }
void FieldWriter::operator()(const char* name, const platform::Vector3& v) {
  WriteFloats(name, {{"x", v.x}, {"y", v.y}, {"z", v.z}});
}
void FieldWriter::operator()(const char* name, const platform::Color& c) {
  WriteFloats(name, {{"0", c.r}, {"1", c.g}, {"2", c.b}, {"3", c.a}});
}
void FieldWriter::operator()(const char* name, const platform::Quaternion& q) {
  WriteFloats(name, {{"0", q.x}, {"1", q.y}, {"2", q.z}, {"3", q.w}});
}

void FieldWriter::operator()(const char* name, const std::vector<std::string>& value) {
  writer_.WriteStartElement("list");
  writer_.WriteAttribute("name", name);
  for (const std::string& item : value) XmlWriteBareString(writer_, item);
  writer_.WriteEndElement();
}

void FieldWriter::WriteFloats(const char* name, std::initializer_list<std::pair<const char*, float>> fields) {
  writer_.WriteStartElement("var");
  writer_.WriteAttribute("name", name);
  for (const auto& [field, value] : fields) Params::WriteNamedFloat(writer_, field, value);
  writer_.WriteEndElement();
}

}  // namespace RecordFields
