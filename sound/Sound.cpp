#include "sound/Sound.h"

#include <cfloat>

#include "engine/Engine.h"
#include "map/MapEntityClasses.h"
#include "map/StringList.h"
#include "sound/SoundEmitter.h"
#include "sound/SoundGameView.h"

using platform::sound::Result;

namespace {

// The ear stands this far above the player's feet.
constexpr float kEarHeight = 40.0f;
constexpr float kNearestEmitterInterval = 40.0f;

// Where an entity stands and which map it is in; an entity without the components stands at
// the origin of map 0.
platform::Vector3 PositionOf(Entity* entity) {
  auto* physical = entity->Find<PhysicalComp>();
  return physical ? physical->GetPosition() : platform::Vector3{};
}
int32_t MapIndexOf(Entity* entity) {
  auto* mapIndex = entity->Find<MapIndexComp>();
  return mapIndex ? static_cast<int32_t>(mapIndex->mapIndex) : 0;
}

float DistanceSquared(const platform::Vector3& a, const platform::Vector3& b) {
  const float x = a.x - b.x, y = a.y - b.y, z = a.z - b.z;
  return x * x + y * y + z * z;
}

}  // namespace

Result Sound::StartDefaultDevice(platform::sound::System& system) { return system.Init({100, ""}); }

Sound::Sound(Starter start) : start_(std::move(start)) {}

Sound::~Sound() = default;

void Sound::RegisterTypes() { RegisterMapEntityClass<SoundEmitter>(kSoundLog); }

void Sound::Init() {
  createResult_ = start_(system_);
  if (IsSilent()) {
    PrintError(createResult_);
    Engine::Get()->GetLog()->Write(kSoundLog, "No sound: " + system_.LastError(), 2);
    return;
  }
  system_.Set3DSettings(1.0f, 3.28f, 1.0f);
  // Nothing uses the list yet; a tree without it still hears about it once.
  std::vector<std::string> audioTextures;
  LoadStringListXml(audioTextures, "Data/AudioTextures.xml", kSoundLog);
  LoadSoundConfig(config_, kSoundConfigPath);
  system_.GetMasterChannelGroup().SetVolume(1.0f);
  nearestTimer_ = 0.0f;
  musicEmitter_ = std::make_unique<SoundEmitter>();
  moneyEmitter_ = std::make_unique<SoundEmitter>();
  moneyEmitter_->SetFile("money");
}

void Sound::Shutdown() {
  // The emitters give their voices back while the library still runs.
  musicEmitter_.reset();
  moneyEmitter_.reset();
  directory_.ReleaseAll();
  system_.Close();
}

void Sound::Update() {
  if (IsSilent()) return;
  if (Entity* player = game_ ? game_->GetPlayerEntity() : nullptr) FollowPlayer(player);
  system_.Update();
}

void Sound::FollowPlayer(Entity* player) {
  nearestTimer_ += static_cast<float>(Engine::Get()->GetTimer()->GetDelta());
  if (nearestTimer_ >= kNearestEmitterInterval) {
    PlayNearestEmitter(player);
    nearestTimer_ = 0.0f;
  }
  auto* physical = player->Find<PhysicalComp>();
  if (!physical) return;
  const platform::Vector3 feet = physical->GetPosition();
  const platform::Vector3 ear{feet.x, feet.y, feet.z + kEarHeight};
  // The world's up, in the world's frame like everything else given to the library.
  system_.Set3DListenerAttributes(ToSoundVector(ear), ToSoundVector(physical->direction), {0.0f, 0.0f, 1.0f});
}

void Sound::Play3D(std::string name, Entity* entity) {
  if (IsSilent()) return;
  SoundInfo* asset = directory_.GetOrLoad(std::move(name));
  if (!asset) return;
  const platform::Vector3 position = PositionOf(entity);
  platform::sound::Channel channel;
  const Result result = system_.PlaySound(asset->sound, true, &channel);
  if (result != Result::kOk) PrintError(result);
  if (asset->Dim == "3D") channel.Set3DAttributes(ToSoundVector(position));
  channel.SetPaused(false);
}

void Sound::Play2D(std::string name) {
  if (IsSilent()) return;
  SoundInfo* asset = directory_.GetOrLoad(std::move(name));
  if (!asset) return;
  const Result result = system_.PlaySound(asset->sound, false, nullptr);
  if (result != Result::kOk) PrintError(result);
}

void Sound::SetCurrentMap(int32_t index) {
  if (!gameStarted_) return;
  for (SoundEmitter* emitter : emitters_) {
    if (!emitter->IsPlaying()) continue;
    Print(emitter->File + " is playing.");
    emitter->Pause();
    Print(emitter->File + " just stopped.");
  }
  for (SoundEmitter* emitter : emitters_) {
    if (MapIndexOf(emitter) != index || emitter->Type != "BGM") continue;
    emitter->Play();
    Print(emitter->File + " started playing.");
  }
}

void Sound::StopAllEmitters() {
  for (SoundEmitter* emitter : emitters_) emitter->Pause();
  emitters_.clear();
}

void Sound::PlayNearestEmitter(Entity* entity) {
  Print("Would be playing closest sound emitter if they were in the game");
  const int32_t mapIndex = MapIndexOf(entity);
  const platform::Vector3 position = PositionOf(entity);
  SoundEmitter* nearest = nullptr;
  float best = FLT_MAX;
  for (SoundEmitter* emitter : emitters_) {
    if (MapIndexOf(emitter) != mapIndex || emitter->Type != "SFX") continue;
    const float distance = DistanceSquared(emitter->physical.GetPosition(), position);
    if (distance < best) {
      best = distance;
      nearest = emitter;
    }
  }
  if (!nearest) return;
  nearest->Play();
  Print("Sound: " + nearest->File);
}

void Sound::PrintError(Result result) {
  Print("FMOD error! " + std::to_string(static_cast<int>(result)) + "   " + platform::sound::ResultText(result));
}

void Sound::Print(const std::string& line) { Engine::Get()->GetConsole()->Print(line, Console::kWhite); }
