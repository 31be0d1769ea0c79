#include "sound/Sound.h"

#include <cfloat>

#include "engine/Engine.h"
#include "map/StringList.h"
#include "sound/SoundEmitter.h"

using platform::sound::Result;

namespace {

// The ear stands this far above the player's feet.
constexpr float kEarHeight = 40.0f;
constexpr float kNearestEmitterInterval = 40.0f;

platform::sound::Vec3 ToSound(const platform::Vector3& v) { return {v.x, v.y, v.z}; }

float DistanceSquared(const platform::Vector3& a, const platform::Vector3& b) {
  const float x = a.x - b.x, y = a.y - b.y, z = a.z - b.z;
  return x * x + y * y + z * z;
}

}  // namespace

Result Sound::StartDefaultDevice(platform::sound::System& system) { return system.Init({100, ""}); }

Sound::Sound(Starter start) : start_(std::move(start)) {}

Sound::~Sound() = default;

void Sound::RegisterTypes() { RegisterEntityClass<SoundEmitter>(kSoundLog); }

void Sound::Init() {
  createResult_ = start_(system_);
  if (IsSilent()) {
    PrintError(createResult_);
    Engine::Get()->GetLog()->Write(kSoundLog, "No sound: " + system_.LastError(), 2);
    return;
  }
  system_.Set3DSettings(1.0f, 3.28f, 1.0f);
  // Nothing uses the list yet; reading it still creates the file where it is missing.
  std::vector<std::string> audioTextures;
  LoadStringListXml(audioTextures, "Data/AudioTextures.xml");
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
  system_.Update();
}

void Sound::FollowPlayer(int32_t mapIndex, const platform::Vector3& position, const platform::Vector3& facing) {
  if (IsSilent()) return;
  nearestTimer_ += static_cast<float>(Engine::Get()->GetTimer()->GetDelta());
  if (nearestTimer_ >= kNearestEmitterInterval) {
    PlayNearestEmitter(mapIndex, position);
    nearestTimer_ = 0.0f;
  }
  // Positions and directions go to the library in the world's own frame, up included: the
  // library turns them into its axes in one place.
  const platform::Vector3 ear{position.x, position.y, position.z + kEarHeight};
  system_.Set3DListenerAttributes(ToSound(ear), ToSound(facing), {0.0f, 0.0f, 1.0f});
}

void Sound::Play3D(std::string name, const platform::Vector3& position) {
  if (IsSilent()) return;
  SoundInfo* asset = directory_.GetOrLoad(std::move(name));
  if (!asset) return;
  platform::sound::Channel channel;
  const Result result = system_.PlaySound(asset->sound, true, &channel);
  if (result != Result::kOk) PrintError(result);
  if (asset->Dim == "3D") channel.Set3DAttributes(ToSound(position));
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
    if (emitter->GetMapIndex() != index || emitter->Type != "BGM") continue;
    emitter->Play();
    Print(emitter->File + " started playing.");
  }
}

void Sound::StopAllEmitters() {
  for (SoundEmitter* emitter : emitters_) emitter->Pause();
  emitters_.clear();
}

void Sound::PlayNearestEmitter(int32_t mapIndex, const platform::Vector3& position) {
  Print("Would be playing closest sound emitter if they were in the game");
  SoundEmitter* nearest = nullptr;
  float best = FLT_MAX;
  for (SoundEmitter* emitter : emitters_) {
    if (emitter->GetMapIndex() != mapIndex || emitter->Type != "SFX") continue;
    const float distance = DistanceSquared(emitter->GetPosition(), position);
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
