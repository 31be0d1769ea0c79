#pragma once
#include <string>

#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/sound/System.h"

struct SoundInfo;

// An entity that owns one streamed sound and its play: map music placed in a level, positional
// loops, an agent's voice. It takes its settings from the sound list by its File name the
// first time it is used. Map-placed emitters join the sound system's emitter list when they
// start; the ones other objects embed or the sound system keeps for itself do not. Its
// "Physical" is a pose only (no physics actor): a 3D emitter is heard from there.
class SoundEmitter : public EntityClass<SoundEmitter> {
 public:
  static constexpr char kClassName[] = "SoundEmitter";
  static void Describe(ClassBuilder<SoundEmitter>& c);

  SoundEmitter() { physical.createActor = 0; }
  // Stops the play and frees the stream: an emitter that goes takes its voice with it.
  ~SoundEmitter() override;
  void OnCreate() override;

  // Starts the sound, or resumes it where it was paused; a play that has ended starts again
  // from the beginning. Applies the volume, distances and position on the play itself.
  void Play();
  void Pause() { SetPaused(true); }
  void SetPaused(bool paused);
  // True while the play holds its voice, paused or not.
  bool IsPlaying() const { return channel_.IsPlaying(); }
  // Back to the start, paused or not (Pause then Rewind stops an emitter).
  void Rewind();
  // Names the sound and loads it; does not play. Once loaded, the stream stays.
  void SetFile(std::string name);
  // Opens the stream of File with its list entry's settings, unless already loaded.
  void LoadStream();

  PhysicalComp physical;
  MapIndexComp mapIndexComp;
  std::string File;
  std::string Area;
  float Radius = 0.0f;  // full volume up to this distance, for a 3D emitter
  float Volume = 1.0f;
  float Modulation = 0.0f;
  int Loop = 0;
  int ThreeD = 0;
  bool loaded = false;
  std::string Type;  // "BGM" marks map music, "SFX" a sound effect
  SoundInfo* asset = nullptr;  // File's sound in the cache, kept by SetFile

 private:
  platform::sound::Sound stream_;
  platform::sound::Channel channel_;
};
