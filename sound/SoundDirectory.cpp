#include "sound/SoundDirectory.h"

using platform::sound::Dim;

std::unique_ptr<SoundInfo> SoundDirectory::Load(const std::string& path) {
  auto info = std::make_unique<SoundInfo>(config_.FindSound(path.substr(Folder().size())));
  const bool threeD = info->Dim == "3D";
  // Effects are opened whole so that one can play several times at once; music would take
  // tens of megabytes that way, and never overlaps itself.
  const SoundFiles::Kind kind = info->Type == "BGM" ? SoundFiles::Kind::kStream : SoundFiles::Kind::kSample;
  if (!files_.Open(info->FileName, threeD ? Dim::k3D : Dim::k2D, kind, &info->sound)) {
    return nullptr;
  }
  if (threeD) info->sound.Set3DMinMaxDistance(info->Radius, info->Type == "SFX" ? 10000.0f : 400000.0f);
  // The file plays at its own rate: only the volume is set.
  info->sound.SetDefaultVolume(config_.SFXVolume * info->Volume);
  return info;
}
