#pragma once
#include <set>
#include <string>

#include "platform/sound/System.h"

// Opens the sound files below "Audio Files/". A file that cannot be opened is reported once on
// "SoundLog", naming it and the fault: sounds are asked for again on every play, and a missing
// one must not fill the log. A silent system (no device) fails without a word.
class SoundFiles {
 public:
  static constexpr const char* kFolder = "Audio Files/";
  enum class Kind { kSample, kStream };

  explicit SoundFiles(platform::sound::System& system) : system_(system) {}

  // False when nothing was opened; an empty file name (a sound the list lacks) opens nothing.
  bool Open(const std::string& fileName, platform::sound::Dim dim, Kind kind, platform::sound::Sound* sound);

 private:
  platform::sound::System& system_;
  std::set<std::string> reported_;
};
