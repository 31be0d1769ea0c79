#include "sound/SoundEmitter.h"

#include "entity/MapFloatField.h"
#include "sound/Sound.h"

using platform::sound::Dim;

namespace {

Sound* TheSound() {
  Engine* engine = Engine::Current();
  return engine ? engine->GetSound() : nullptr;
}

}  // namespace

void SoundEmitter::Describe(ClassBuilder<SoundEmitter>& c) {
  c.Component(&SoundEmitter::physical);
  c.Component(&SoundEmitter::mapIndexComp);
  c.Field("Pos", &SoundEmitter::physical);
  c.Field("File", &SoundEmitter::File);
  c.Field("Area", &SoundEmitter::Area);
  // The builder's float fields are only saved and loaded; these the level designer sets too.
  ClassMessageTable* table = Table();
  table->AddField(std::make_unique<MapFloatField<SoundEmitter>>("Radius", &SoundEmitter::Radius));
  table->AddField(std::make_unique<MapFloatField<SoundEmitter>>("Volume", &SoundEmitter::Volume));
  table->AddField(std::make_unique<MapFloatField<SoundEmitter>>("Modulation", &SoundEmitter::Modulation));
  c.Field("Loop", &SoundEmitter::Loop);
  c.Field("ThreeD", &SoundEmitter::ThreeD);
  c.Field("Type", &SoundEmitter::Type);
}

SoundEmitter::~SoundEmitter() {
  channel_.Stop();
  stream_.Release();
  if (Sound* sound = TheSound()) sound->RemoveEmitter(this);
}

void SoundEmitter::OnCreate() {
  if (Sound* sound = TheSound()) sound->AddEmitter(this);
}

void SoundEmitter::LoadStream() {
  Sound* sound = TheSound();
  if (loaded || !sound) return;
  const SoundConfig& config = sound->GetConfig();
  const SoundInfo entry = config.FindSound(File);
  ThreeD = entry.Dim == "3D" ? 1 : 0;
  Loop = entry.Loop ? 1 : 0;
  Type = entry.Type;
  Area = entry.Area;
  Volume = entry.Volume;
  Radius = entry.Radius;
  if (!sound->GetFiles().Open(entry.FileName, ThreeD ? Dim::k3D : Dim::k2D, SoundFiles::Kind::kStream, &stream_)) {
    return;
  }
  const bool music = Type == "BGM" || Loop;
  stream_.SetLoop(music);
  Volume *= music ? config.BGMVolume : config.SFXVolume;
  stream_.SetDefaultVolume(Volume);
  loaded = true;
}

void SoundEmitter::Play() {
  LoadStream();
  if (!stream_.IsValid()) return;
  // A play that ended (or was stolen) has a dead channel: start a new one rather than
  // unpausing nothing.
  if (!channel_.IsPlaying()) {
    if (Sound* sound = TheSound()) sound->GetSoundSystem().PlaySound(stream_, true, &channel_);
  }
  // Set on the play itself: settings on the sound only reach plays started later.
  channel_.SetVolume(Volume);
  if (ThreeD) {
    channel_.Set3DMinMaxDistance(Radius, Type == "BGM" ? 10000.0f : 400000.0f);
    channel_.Set3DAttributes(ToSoundVector(physical.GetPosition()));
  }
  channel_.SetPaused(false);
}

void SoundEmitter::SetPaused(bool paused) { channel_.SetPaused(paused); }

void SoundEmitter::Rewind() { channel_.SetPositionMs(0); }

void SoundEmitter::SetFile(std::string name) {
  File = name;
  LoadStream();
  if (Sound* sound = TheSound()) asset = sound->GetDirectory().GetOrLoad(std::move(name));
}
