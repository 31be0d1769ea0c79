#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/Device.h"
#include "platform/sound/StreamQueue.h"
#include "platform/sound/System.h"

// The inside of System, shared by the files that implement it and its handles.
namespace platform::sound {

// Volumes live in 0..1; anything else, NaN included, is brought into it.
inline float ClampVolume(float volume) { return volume > 0.0f ? std::min(volume, 1.0f) : 0.0f; }

// Minimum distance at least 1 (0 would switch roll-off off), maximum at least the minimum.
inline void ClampDistances(float minimum, float maximum, float* outMinimum, float* outMaximum) {
  *outMinimum = minimum > 1.0f ? minimum : 1.0f;
  *outMaximum = maximum > *outMinimum ? maximum : *outMinimum;
}

// A slot of the sound table. Generation 0 marks a free slot; every new sound and every new play
// takes a fresh generation, so stale handles never match.
struct SoundSlot {
  uint32_t generation = 0;
  std::string path;
  Dim dim = Dim::k2D;
  bool stereo = false;
  int rate = 0;
  int64_t frames = 0;  // length of the file (a stream's as its header says)
  bool loop = false;
  float volume = 1.0f;
  float minDistance = 1.0f;
  float maxDistance = 10000.0f;
  unsigned buffer = 0;                  // a sample's decoded sound
  std::unique_ptr<StreamQueue> stream;  // a stream's decoder and buffers
  int streamVoice = -1;                 // the voice a stream plays on
};

// One source of the fixed pool. Generation 0 marks a free voice.
struct Voice {
  unsigned source = 0;
  uint32_t generation = 0;
  uint32_t sound = 0;  // index into the sound table
  bool paused = false;
  bool loop = false;
  float volume = 1.0f;
  uint64_t started = 0;  // order of play, to find the oldest
};

struct System::Impl {
  Device device;
  std::vector<Voice> voices;
  std::vector<SoundSlot> sounds;
  uint32_t nextGeneration = 1;
  uint64_t plays = 0;
  float masterVolume = 1.0f;
  float rolloffScale = 1.0f;
  std::string lastError;

  // True when running, with the context made current; otherwise *result = kNotRunning.
  bool Enter(Result* result) const;
  Result Start(Result opened, int maxVoices);
  void Stop();
  Result Update();

  // Sounds.
  Result CreateSound(const std::string& path, Dim dim, bool stream, uint32_t* index);
  SoundSlot* FindSound(uint32_t index, uint32_t generation, Result* result);
  void ReleaseSound(uint32_t index);

  // Voices.
  Result Play(uint32_t soundIndex, bool paused, uint32_t* voiceIndex);
  // The live voice of a channel handle, or null (and why) when it is dead.
  Voice* FindVoice(uint32_t index, uint32_t generation, Result* result);
  // Retires a finished play and keeps a stream fed; false when the voice was freed.
  bool Poll(Voice& voice);
  void Free(Voice& voice);
  Voice* TakeVoice();
  void ApplyGain(const Voice& voice) const;
  void ApplyDistances(const Voice& voice, float minimum, float maximum) const;
  void ApplyRolloff(const Voice& voice) const;
  Result SeekVoice(Voice& voice, uint32_t ms);
  uint32_t VoicePositionMs(const Voice& voice) const;
};

// How the handles reach their system's inside: the running system's sound or voice, or why
// there is none.
struct HandleAccess {
  static System::Impl* Of(System* system) { return system ? system->impl_.get() : nullptr; }

  template <typename F>
  static Result WithSound(System* system, uint32_t index, uint32_t generation, F&& f) {
    System::Impl* impl = Of(system);
    if (!impl) return Result::kInvalidHandle;
    Result result = Result::kOk;
    if (SoundSlot* slot = impl->FindSound(index, generation, &result)) f(*impl, *slot);
    return result;
  }

  template <typename F>
  static Result WithVoice(System* system, uint32_t index, uint32_t generation, F&& f) {
    System::Impl* impl = Of(system);
    if (!impl) return Result::kInvalidHandle;
    Result result = Result::kOk;
    if (Voice* voice = impl->FindVoice(index, generation, &result)) result = f(*impl, *voice);
    return result;
  }
};

}  // namespace platform::sound
