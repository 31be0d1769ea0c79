#pragma once
#include <string>
#include <vector>

#include "platform/sound/System.h"

// One sound of the sound list, and also a loaded sound of the cache (then `sound` is set).
struct SoundInfo {
  std::string Name;      // the key sounds are played by
  std::string FileName;  // below "Audio Files/"
  std::string Area;
  std::string Type;  // "SFX", "BGM" or another word
  std::string Dim;   // "3D", or anything else for 2D
  float Volume = 1.0f;
  float Radius = 1.0f;  // distance up to which a 3D sound plays at full volume
  float Modulation = 0.0f;
  bool Loop = false;
  platform::sound::Sound sound;
};

inline constexpr const char* kSoundConfigPath = "Data/SoundConfig.xml";
inline constexpr const char* kSoundLog = "SoundLog";

// The sound settings: the two category volumes and the sound list, in file order. A missing
// file is written back from these values, so they start at full volume with no sounds.
struct SoundConfig {
  float BGMVolume = 1.0f;
  float SFXVolume = 1.0f;
  std::vector<SoundInfo> SoundList;

  // A copy of the entry of that name; an exact match first, else the first entry whose name
  // differs only in case (the game's names are lower case, hand-edited lists not always).
  // An empty record when there is none.
  SoundInfo FindSound(const std::string& name) const;
};

// Fills the settings from the file; never throws. A file that cannot be opened is written back
// from the values held; a damaged one is logged, naming the file, and the values read before
// the fault stay.
void LoadSoundConfig(SoundConfig& config, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveSoundConfig(const SoundConfig& config, const std::string& path);
