#pragma once
#include <string>
#include <vector>

#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "sound/Sound.h"
#include "sound/SoundEmitter.h"
#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"
#include "tests/support/EngineFixture.h"

// Something standing in the world: a thief for the listener to follow, or a place to play at.
class PlacedBody : public EntityClass<PlacedBody> {
 public:
  static constexpr char kClassName[] = "PlacedBody";
  static void Describe(ClassBuilder<PlacedBody>& c) {
    c.Component(&PlacedBody::physical);
    c.Component(&PlacedBody::mapIndexComp);
  }
  PlacedBody() { physical.createActor = 0; }
  void OnCreate() override {}

  PhysicalComp physical;
  MapIndexComp mapIndexComp;
};

// The engine with the real sound system and game logic, the sound mixing into memory (or on a device that cannot be
// opened); the other systems only record. Sound files and the sound list are written into the
// test's own folder.
class SoundTest : public EngineFixture {
 protected:
  SoundTest();

  // Starts the engine; the sound system opens its output with `start` (by default a loopback
  // of `voices` voices).
  Sound* StartSound(int voices = 16);
  Sound* StartSound(Sound::Starter start);

  // Writes "Audio Files/<file>" as a tone.
  static void WriteSound(const std::string& file, const soundtest::Tone& tone);
  // A list entry.
  static SoundInfo Entry(const std::string& name, const std::string& file, const std::string& type = "SFX",
                         const std::string& dim = "2D", bool loop = false);
  // Writes "Data/SoundConfig.xml" with these volumes and sounds.
  static void WriteConfig(const std::vector<SoundInfo>& sounds, float bgm = 1.0f, float sfx = 1.0f);

  // Mixes `seconds` of sound, running a frame of the engine every 0.1 s as the game would.
  soundtest::Stereo Render(double seconds);
  // A map-placed emitter, made through the entity manager.
  SoundEmitter* CreateEmitter(const std::string& file, int32_t mapIndex);
  // A body at that place in that map, facing +x.
  static PlacedBody* Body(const platform::Vector3& position, int32_t mapIndex = 0);
  // Makes the body the thief under control; the listener follows it from the next frame on.
  void Control(PlacedBody* body);

  static std::vector<std::string> ConsoleLines();
  // Lines of a log file (empty when the file does not exist).
  static std::vector<std::string> LogLines(const std::string& channel);

  Sound* sound = nullptr;
};
