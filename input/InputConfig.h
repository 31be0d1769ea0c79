#pragma once
#include <cstdint>
#include <string>

#include "entity/RecordFields.h"

// How the keyboard and mouse are set up, from "Data/InputConfig.xml". A missing file is written
// back from these defaults.
struct InputConfig {
  int32_t keyboardBufferSize = 128;
  int32_t mouseBufferSize = 128;
  bool keyboardForeground = false;
  bool keyboardExclusive = false;
  bool mouseForeground = false;
  bool mouseExclusive = false;
  bool keyboardDisableWindowsKey = false;
  // Seconds between two clicks of the first button that still make a double click.
  float doubleClickDelay = 1.0f;
};

// The field list, in file order (not the order of the members).
template <class Fields>
void VisitFields(Fields& f, InputConfig& c) {
  f("keyboardForeground", c.keyboardForeground);
  f("keyboardExclusive", c.keyboardExclusive);
  f("mouseForeground", c.mouseForeground);
  f("mouseExclusive", c.mouseExclusive);
  f("keyboardDisableWindowsKey", c.keyboardDisableWindowsKey);
  f("doubleClickDelay", c.doubleClickDelay, RecordFields::AtLeast(0.0));
  f("keyboardBufferSize", c.keyboardBufferSize);
  f("mouseBufferSize", c.mouseBufferSize);
}

inline constexpr const char* kInputConfigPath = "Data/InputConfig.xml";

// Fills the record from the file, by position; never throws. Fields read before a failure keep
// what was read. When the file cannot be opened it is written back from the record.
void LoadInputConfig(InputConfig& config, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveInputConfig(const InputConfig& config, const std::string& path);
