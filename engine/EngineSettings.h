#pragma once
#include <string>

#include "entity/RecordFields.h"

// Which systems update each frame, the profiler switch and interval, and the wide-screen
// window, from "Data/EngineConfig.xml". A missing file is written back from these defaults.
struct EngineSettings {
  bool RunAI = true;
  bool RunGraphics = true;
  bool RunPhysics = true;
  bool RunLogic = true;
  bool RunSound = true;
  bool RunInput = true;
  bool dbgTimer = false;
  float dbgInterval = 1.0f;
  bool Widescreen = false;
};

// The field list, in file order.
template <class Fields>
void VisitFields(Fields& f, EngineSettings& s) {
  f("RunAI", s.RunAI);
  f("RunGraphics", s.RunGraphics);
  f("RunPhysics", s.RunPhysics);
  f("RunLogic", s.RunLogic);
  f("RunSound", s.RunSound);
  f("RunInput", s.RunInput);
  f("dbgTimer", s.dbgTimer);
  f("dbgInterval", s.dbgInterval, RecordFields::AtLeast(0.0));
  f("Widescreen", s.Widescreen);
}

inline constexpr const char* kEngineConfigPath = "Data/EngineConfig.xml";

// Fills the record from the file, by position; never throws. Fields read before a failure keep
// what was read. When the file cannot be opened it is written back from the record.
void LoadEngineSettings(EngineSettings& settings, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveEngineSettingsFile(const EngineSettings& settings, const std::string& path);
