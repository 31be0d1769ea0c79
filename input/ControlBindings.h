#pragma once
#include <list>
#include <string>

// One key of normal play: the action it sends, the key by name, and whether the name is one of
// the mouse's.
struct ControlBinding {
  std::string Function;
  std::string KeyName;
  bool Mouse = false;
};

template <class Fields>
void VisitFields(Fields& f, ControlBinding& b) {
  f("Function", b.Function);
  f("KeyName", b.KeyName);
  f("Mouse", b.Mouse);
}

using ControlBindingList = std::list<ControlBinding>;

inline constexpr const char* kControlsPath = "Data/Controls.xml";

// The keys of normal play when the bindings file is missing.
ControlBindingList DefaultControlBindings();

// Reads the file into the list; never throws. Records read before a failure stay. A file that
// cannot be opened is written back from the default bindings, which the list then holds.
void LoadControlBindings(const std::string& path, ControlBindingList& list);
// Writes the whole file; never throws (failures are logged).
void SaveControlBindings(const ControlBindingList& list, const std::string& path);
