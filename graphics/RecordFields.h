#pragma once
#include <string>
#include <vector>

#include "engine/ConfigFile.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"
#include "platform/math/Color.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// Field readers and writers for the graphics records beyond the plain values of the XML layer,
// and the two document shapes the graphics files use: one top-level record ("var") or a "list"
// of records. Reading goes by position like every data file.
namespace RecordFields {

// Visitors for a record's field list (a VisitFields(fields, record) overload per record type,
// naming each field in file order), so that one list serves reading and writing. Plain values
// are the XML layer's typed elements; a vector is a "var" of "float" elements named x, y, z; a
// colour or quaternion a "var" of "float" elements named 0 to 3; a list of strings a "list" of
// nameless "string" elements. Reading goes by position and never compares names.
class FieldReader {
 public:
  explicit FieldReader(XmlReader& reader) : reader_(reader) {}
  void operator()(const char* name, bool& value);
  void operator()(const char* name, int& value);
  void operator()(const char* name, float& value);
  void operator()(const char* name, std::string& value);
  void operator()(const char* name, platform::Vector3& value);
  void operator()(const char* name, platform::Color& value);
  void operator()(const char* name, platform::Quaternion& value);
  void operator()(const char* name, std::vector<std::string>& value);

 private:
  void ReadFloats(std::initializer_list<float*> fields);
  XmlReader& reader_;
};

class FieldWriter {
 public:
  explicit FieldWriter(XmlWriter& writer) : writer_(writer) {}
  void operator()(const char* name, bool value);
  void operator()(const char* name, int value);
  void operator()(const char* name, float value);
  void operator()(const char* name, const std::string& value);
  void operator()(const char* name, const platform::Vector3& value);
  void operator()(const char* name, const platform::Color& value);
  void operator()(const char* name, const platform::Quaternion& value);
  void operator()(const char* name, const std::vector<std::string>& value);

 private:
  void WriteFloats(const char* name, std::initializer_list<std::pair<const char*, float>> fields);
  XmlWriter& writer_;
};

// Reads one record: its tag and, unless self-closing, its fields and end tag.
template <class Record>
void ReadRecord(XmlReader& reader, Record& record) {
  reader.ReadTag();
  if (reader.IsEmptyTag() || reader.IsEndTag()) return;
  FieldReader fields(reader);
  VisitFields(fields, record);
  reader.ReadTag();
}

template <class Record>
void WriteRecord(XmlWriter& writer, const Record& record) {
  writer.WriteStartElement("var");
  FieldWriter fields(writer);
  // The writer only reads the fields it is handed.
  VisitFields(fields, const_cast<Record&>(record));
  writer.WriteEndElement();
}

template <class Record>
void WriteList(XmlWriter& writer, const std::vector<Record>& records) {
  writer.WriteStartElement("list");
  for (const Record& record : records) WriteRecord(writer, record);
  writer.WriteEndElement();
}

// Records read before a failure stay in the list.
template <class Record>
void ReadList(XmlReader& reader, std::vector<Record>& records) {
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  records.clear();
  while (reader.HasChildren()) {
    Record record;
    ReadRecord(reader, record);
    records.push_back(std::move(record));
  }
  reader.ReadTag();
}

}  // namespace RecordFields

// The loaders and savers of the graphics files, with the failure handling of every settings
// file: logged on "GraphicsLog", a missing file written back from what is held.
template <class Record>
void LoadRecordFile(Record& record, const std::string& path) {
  LoadConfigFile(
      path, "GraphicsLog", [&](XmlReader& r) { RecordFields::ReadRecord(r, record); },
      [&](XmlWriter& w) { RecordFields::WriteRecord(w, record); });
}

template <class Record>
void SaveRecordFile(const Record& record, const std::string& path) {
  SaveConfigFile(path, "GraphicsLog", [&](XmlWriter& w) { RecordFields::WriteRecord(w, record); });
}

template <class Record>
void LoadListFile(std::vector<Record>& records, const std::string& path) {
  LoadConfigFile(
      path, "GraphicsLog", [&](XmlReader& r) { RecordFields::ReadList(r, records); },
      [&](XmlWriter& w) { RecordFields::WriteList(w, records); });
}

template <class Record>
void SaveListFile(const std::vector<Record>& records, const std::string& path) {
  SaveConfigFile(path, "GraphicsLog", [&](XmlWriter& w) { RecordFields::WriteList(w, records); });
}
