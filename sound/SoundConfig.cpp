#include "sound/SoundConfig.h"

#include <strings.h>

#include "engine/ConfigFile.h"
#include "engine/Engine.h"

namespace {

void LogSound(const std::string& text) { Engine::Get()->GetLog()->Write(kSoundLog, text, 2); }

// A 3D sound heard at full volume only within one unit of its source is almost never heard.
void WarnOfZeroRadius(const SoundConfig& config, const std::string& path) {
  for (const SoundInfo& info : config.SoundList) {
    if (info.Dim == "3D" && !(info.Radius > 0.0f)) {
      LogSound(path + ": the 3D sound \"" + info.Name + "\" has radius " + std::to_string(info.Radius) +
               ", raised to 1: it is heard only right beside its source");
    }
  }
}

}  // namespace

SoundInfo SoundConfig::FindSound(const std::string& name) const {
  for (const SoundInfo& info : SoundList) {
    if (info.Name == name) return info;
  }
  for (const SoundInfo& info : SoundList) {
    if (strcasecmp(info.Name.c_str(), name.c_str()) == 0) return info;
  }
  return SoundInfo();
}

void LoadSoundConfig(SoundConfig& config, const std::string& path) {
  LoadRecordFile(config, path, kSoundLog, WhenMissing::WriteBack, RecordFields::FieldReader::Order::Checked);
  if (config.SoundList.empty()) ReportEmptyList(path, kSoundLog, "SoundList", "no music or sound effect plays");
  WarnOfZeroRadius(config, path);
}

void SaveSoundConfig(const SoundConfig& config, const std::string& path) { SaveRecordFile(config, path, kSoundLog); }
