#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <memory>
#include <string>

#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"
#include "platform/math/Vector.h"
#include "platform/sound/System.h"
#include "sound/SoundConfig.h"
#include "sound/SoundDirectory.h"
#include "sound/SoundFiles.h"

class Entity;
class SoundEmitter;
class SoundGameView;

// Positions and directions go to the sound library in the world's own frame (z up); the
// library turns them into its own axes in one place.
inline platform::sound::Vec3 ToSoundVector(const platform::Vector3& v) { return {v.x, v.y, v.z}; }

// The sound system: owns the sound library for the process, the settings and sound list of
// "Data/SoundConfig.xml", the cache of sounds played by name and the list of map-placed
// emitters; plays named sounds, switches each map's music and keeps the listener at the player.
//
// When no sound device opens, the system stays silent for the whole run: play calls return at
// once and the library answers every other call quietly.
class Sound : public EngineSystem {
 public:
  // Opens the output the system plays to; the game's opens the default device.
  using Starter = std::function<platform::sound::Result(platform::sound::System&)>;
  static platform::sound::Result StartDefaultDevice(platform::sound::System& system);

  explicit Sound(Starter start = StartDefaultDevice);
  ~Sound() override;

  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Sound"; }
  void TakeSlot(SystemSlots& slots) override { slots.sound = this; }

  // Fire-and-forget plays of a sound of the list. A 3D sound is placed at the entity's
  // "Physical" position; a 2D one plays unplaced either way.
  void Play3D(std::string name, Entity* entity);
  void Play2D(std::string name);
  // The map music switch, once a game has started: pauses every playing emitter and starts
  // the music emitters of the new current map.
  void SetCurrentMap(int32_t index);
  // Pauses every emitter and forgets them all (a game is being cleared).
  void StopAllEmitters();
  // Plays the sound-effect emitter of the entity's map nearest to it (a developer aid).
  void PlayNearestEmitter(Entity* entity);

  void SetGameStarted() { gameStarted_ = true; }
  // The game whose controlled player the listener follows; null: the listener stays put.
  void SetGameView(SoundGameView* game) { game_ = game; }
  // True when the library did not start: the system plays nothing for the whole run.
  bool IsSilent() const { return createResult_ != platform::sound::Result::kOk; }

  // The two emitters the system keeps for itself; null while it is silent or shut down. The
  // menus play their music through the first.
  SoundEmitter* GetMusicEmitter() { return musicEmitter_.get(); }
  SoundEmitter* GetMoneyEmitter() { return moneyEmitter_.get(); }

  // Map-placed emitters join when they start and leave when they go.
  void AddEmitter(SoundEmitter* emitter) { emitters_.push_back(emitter); }
  void RemoveEmitter(SoundEmitter* emitter) { emitters_.remove(emitter); }
  const std::list<SoundEmitter*>& GetEmitters() const { return emitters_; }

  const SoundConfig& GetConfig() const { return config_; }
  SoundDirectory& GetDirectory() { return directory_; }
  SoundFiles& GetFiles() { return files_; }
  platform::sound::System& GetSoundSystem() { return system_; }

 private:
  // Puts the listener's ear 40 units above the controlled player, facing where the player
  // faces, with the world's up; every 40 s of unpaused play it also plays the emitter nearest
  // to the player.
  void FollowPlayer(Entity* player);
  void PrintError(platform::sound::Result result);
  void Print(const std::string& line);

  // Declared first so that it outlives every handle the members below hold.
  platform::sound::System system_;
  Starter start_;
  platform::sound::Result createResult_ = platform::sound::Result::kNotRunning;
  SoundConfig config_;
  SoundFiles files_{system_};
  SoundDirectory directory_{config_, files_};
  float nearestTimer_ = 0.0f;
  bool gameStarted_ = false;
  SoundGameView* game_ = nullptr;
  std::list<SoundEmitter*> emitters_;
  std::unique_ptr<SoundEmitter> musicEmitter_;
  std::unique_ptr<SoundEmitter> moneyEmitter_;
};
