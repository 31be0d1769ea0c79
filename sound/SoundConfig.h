#pragma once
#include <string>
#include <vector>

#include "entity/RecordFields.h"
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

// The category volumes are factors of full volume. An entry's volume may lift a quiet
// recording (1.25 times 0.8 plays at full volume); ten times is far past anything that does
// not clip, so more is a damaged value.
inline constexpr RecordFields::Limits kVolumeLimits{0.0, 1.0};
inline constexpr RecordFields::Limits kEntryVolumeLimits{0.0, 10.0};

template <class Fields>
void VisitFields(Fields& f, SoundInfo& s) {
  f("Name", s.Name);
  f("FileName", s.FileName);
  f("Area", s.Area);
  f("Type", s.Type);
  f("Dim", s.Dim);
  f("Volume", s.Volume, kEntryVolumeLimits);
  f("Radius", s.Radius);
  f("Modulation", s.Modulation);
  f("Loop", s.Loop);
}

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

template <class Fields>
void VisitFields(Fields& f, SoundConfig& c) {
  f("BGMVolume", c.BGMVolume, kVolumeLimits);
  f("SFXVolume", c.SFXVolume, kVolumeLimits);
  f("SoundList", c.SoundList);
}

// Fills the settings from the file; never throws. A file that cannot be opened is written back
// from the values held; a damaged one is logged, naming the file, and the values read before
// the fault stay. Besides their order, the elements' kinds and names are checked, so a file
// whose elements were moved about is refused rather than read into the wrong fields.
void LoadSoundConfig(SoundConfig& config, const std::string& path);
// Writes the whole file; never throws (failures are logged).
void SaveSoundConfig(const SoundConfig& config, const std::string& path);
