#pragma once
#include <memory>
#include <string>

#include "sound/AssetDirectory.h"
#include "sound/SoundConfig.h"
#include "sound/SoundFiles.h"

// The cache of the sounds played by name: each sound of the list is opened once, the first
// time it is played, with the settings its list entry gives, and kept for the run.
class SoundDirectory : public AssetDirectory<SoundInfo> {
 public:
  SoundDirectory(const SoundConfig& config, SoundFiles& files)
      : AssetDirectory(SoundFiles::kFolder, ""), config_(config), files_(files) {}

 protected:
  std::unique_ptr<SoundInfo> Load(const std::string& path) override;
  void Release(AssetSlot& slot) override { slot.asset->sound.Release(); }

 private:
  const SoundConfig& config_;
  SoundFiles& files_;
};
