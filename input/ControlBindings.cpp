#include "input/ControlBindings.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

// One field of a record, by position: nothing when the record ends early or the element is
// self-closing.
template <class Take>
void ReadField(XmlReader& reader, Take take) {
  if (!reader.HasChildren()) return;
  reader.ReadTag();
  if (reader.IsEmptyTag()) return;
  take();
  reader.ReadTag();
  if (!reader.IsEndTag()) throw SerException("unexpected element in a binding field", SerException::kBadData);
}

ControlBinding ReadRecord(XmlReader& reader) {
  ControlBinding record;
  reader.ReadTag();
  if (reader.IsEmptyTag()) return record;
  ReadField(reader, [&] { record.Function = XmlReadString(reader); });
  ReadField(reader, [&] { record.KeyName = XmlReadString(reader); });
  ReadField(reader, [&] { record.Mouse = Params::ParseBool(reader); });
  reader.ReadTag();
  if (!reader.IsEndTag()) throw SerException("a binding holds more than three fields", SerException::kBadData);
  return record;
}

}  // namespace

ControlBindingList DefaultControlBindings() {
  return {
      {"MoveForward", "W", false},  {"MoveBack", "S", false},        {"MoveLeft", "A", false},
      {"MoveRight", "D", false},    {"MouseLook", "M1", true},       {"TargetOrFire", "M2", true},
      {"ScrollGadget", "MW", true}, {"ChangeMoveSpeed", "M3", true}, {"Untarget", "LShift", false},
      {"Run", "RShift", false},     {"Sneak", "LControl", false},    {"Walk", "LAlt", false},
      {"EnterDoor", "E", false},    {"GUIClick", "Enter", false},
  };
}

namespace {

void WriteList(const ControlBindingList& list, XmlWriter& writer) {
  writer.WriteStartElement("list");
  for (const ControlBinding& record : list) {
    writer.WriteStartElement("var");
    XmlWriteNamedString(writer, "Function", record.Function);
    XmlWriteNamedString(writer, "KeyName", record.KeyName);
    Params::WriteNamedBool(writer, "Mouse", record.Mouse);
    writer.WriteEndElement();
  }
  writer.WriteEndElement();
}

}  // namespace

void LoadControlBindings(const std::string& path, ControlBindingList& list) {
  const bool found = LoadConfigFile(
      path, "LogicLog",
      [&](XmlReader& reader) {
        reader.ReadTag();
        if (reader.IsEmptyTag()) return;
        list.clear();
        while (reader.HasChildren()) list.push_back(ReadRecord(reader));
        reader.ReadTag();
      },
      // Without the file the game would have no keys but Escape: it comes back with the defaults.
      [](XmlWriter& w) { WriteList(DefaultControlBindings(), w); });
  if (!found) list = DefaultControlBindings();
}

void SaveControlBindings(const ControlBindingList& list, const std::string& path) {
  SaveConfigFile(path, "LogicLog", [&](XmlWriter& w) { WriteList(list, w); });
}
