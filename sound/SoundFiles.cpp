#include "sound/SoundFiles.h"

#include "engine/Engine.h"
#include "sound/SoundConfig.h"

using platform::sound::Result;

bool SoundFiles::Open(const std::string& fileName, platform::sound::Dim dim, Kind kind, platform::sound::Sound* sound) {
  if (fileName.empty()) return false;
  const std::string path = kFolder + fileName;
  const Result result =
      kind == Kind::kStream ? system_.CreateStream(path, dim, sound) : system_.CreateSample(path, dim, sound);
  if (result == Result::kOk) return true;
  if (result != Result::kNotRunning && reported_.insert(path).second) {
    Engine::Get()->GetLog()->Write(kSoundLog, "Could not open sound " + system_.LastError(), 2);
  }
  return false;
}
