#include "input/ControlBindings.h"

#include "engine/ConfigFile.h"

ControlBindingList DefaultControlBindings() {
  return {
      {"MoveForward", "W", false},  {"MoveBack", "S", false},        {"MoveLeft", "A", false},
      {"MoveRight", "D", false},    {"MouseLook", "M1", true},       {"TargetOrFire", "M2", true},
      {"ScrollGadget", "MW", true}, {"ChangeMoveSpeed", "M3", true}, {"Untarget", "LShift", false},
      {"Run", "RShift", false},     {"Sneak", "LControl", false},    {"Walk", "LAlt", false},
      {"EnterDoor", "E", false},    {"GUIClick", "Enter", false},
  };
}

void LoadControlBindings(const std::string& path, ControlBindingList& list) {
  // Without the file the game would have no keys but Escape: it comes back with the defaults.
  const ControlBindingList defaults = DefaultControlBindings();
  const bool found = LoadConfigFile(
      path, "LogicLog", WhenMissing::WriteBack, [&](RecordFields::FieldReader& r) { r.ReadDocument(list); },
      [&](RecordFields::FieldWriter& w) { w.WriteDocument(defaults); });
  if (!found) list = defaults;
}

void SaveControlBindings(const ControlBindingList& list, const std::string& path) {
  SaveRecordFile(list, path, "LogicLog");
}
