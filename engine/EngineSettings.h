#pragma once
#include <string>

class XmlWriter;

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

inline constexpr const char* kEngineConfigPath = "Data/EngineConfig.xml";

// Fills the record from the file, by position; never throws. Fields read before a failure keep
// what was read. When the file cannot be opened it is written back from the record.
void LoadEngineSettings(EngineSettings& settings, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveEngineSettingsFile(const EngineSettings& settings, const std::string& path);
// Writes the nine elements to an open writer.
void SaveEngineSettings(const EngineSettings& settings, XmlWriter& writer);
