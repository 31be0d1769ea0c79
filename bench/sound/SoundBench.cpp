// What the sound system costs the game's frame: Sound::Update and the listener with 100 named
// sounds playing and 16 music emitters streaming. Mixing is left out of the timings: on a real
// device the library mixes on its own thread.
//
// Measured here (8 cores shared with other builds, RelWithDebInfo, three runs): with 100 named
// sounds playing, a frame costs about 24 microseconds with 16 PCM music streams, 59 with 2 OGG
// Vorbis streams and 430-470 with 16 OGG streams. The OGG cost is Vorbis decoding, which is
// real-time work proportional to the music playing. The game plays one map's music at a time
// (paused music decodes nothing), so its frames stay near the 2-stream figure. Decoding music
// whole would move that work to the map start and cost some 30 MB per three-minute track: not
// worth it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "app/GameClasses.h"
#include "app/Systems.h"
#include "engine/Engine.h"
#include "logic/Logic.h"
#include "sound/Sound.h"
#include "sound/SoundEmitter.h"
#include "tests/platform/sound/SoundFiles.h"
#include "tests/support/RecordingSystem.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kRate = 44100;
constexpr int kFrame = kRate / 60;

// The sound list and its files in the working folder: a long 3D effect, and music as OGG
// Vorbis or as PCM WAV, each a five-second stereo tone.
void MakeSoundTree() {
  std::filesystem::create_directory("Data");
  std::filesystem::create_directory("Audio Files");
  soundtest::WriteTone("Audio Files/hum.wav", {.seconds = 30.0});
  soundtest::WriteTone("Audio Files/music.ogg", {.seconds = 5.0, .amplitudes = {0.3, 0.3}, .format = soundtest::Format::kOgg});
  soundtest::WriteTone("Audio Files/music.wav", {.seconds = 5.0, .amplitudes = {0.3, 0.3}});
  SoundConfig config;
  config.SoundList.resize(3);
  auto set = [&](size_t i, const char* name, const char* file, const char* type, const char* dim) {
    SoundInfo& info = config.SoundList[i];
    info.Name = name;
    info.FileName = file;
    info.Type = type;
    info.Dim = dim;
    info.Radius = 100.0f;
    info.Loop = true;
  };
  set(0, "hum", "hum.wav", "SFX", "3D");
  set(1, "ogg music", "music.ogg", "BGM", "2D");
  set(2, "wav music", "music.wav", "BGM", "2D");
  SaveSoundConfig(config, kSoundConfigPath);
}

// 100 named 3D sounds playing around the listener and range(0) music emitters streaming; each
// iteration is one 60 Hz frame of Sound::Update, with the listener following a moving thief.
void UpdateWithVoicesAndStreams(benchmark::State& state, const std::string& music) {
  TempDir dir;
  MakeSoundTree();
  std::vector<std::string> journal;
  auto idle = [&journal](const char* n) { return [&journal, n] { return static_cast<EngineSystem*>(new RecordingSystem(n, &journal)); }; };
  Engine* engine = Engine::Instance();
  engine->Init(SystemFactories{idle("AI"),
                               [] { return new Sound([](platform::sound::System& s) { return s.InitLoopback(128, kRate); }); },
                               idle("Graphics"), idle("Input"), idle("Physics"),
                               [] { return new Logic(*Engine::Instance(), RegisterGameClasses); }});
  ConnectGameSystems(*engine);
  Sound* sound = engine->GetSound();
  EntityManager* entities = engine->GetEntityManager();
  // Emitters serve as plain bodies in the world: the places sounds play at, and the thief.
  auto body = [entities](const platform::Vector3& position) {
    auto* emitter = static_cast<SoundEmitter*>(entities->Create("SoundEmitter"));
    emitter->physical.SetPosition(position);
    return emitter;
  };
  for (int i = 0; i < 100; ++i) {
    sound->Play3D("hum", body({std::cos(i * 0.7f) * 50.0f * i, std::sin(i * 0.7f) * 50.0f * i, 0.0f}));
  }
  for (int i = 0; i < state.range(0); ++i) {
    auto* emitter = static_cast<SoundEmitter*>(entities->Create("SoundEmitter"));
    emitter->File = music;
    emitter->Play();
  }
  if (!sound->GetEmitters().back()->IsPlaying()) state.SkipWithError("the music did not start");
  SoundEmitter* thief = body({});
  engine->GetLogic()->SetPlayerEntity(thief);
  std::vector<float> mixed(2 * kFrame);
  float t = 0.0f;
  for (auto _ : state) {
    state.PauseTiming();
    sound->GetSoundSystem().RenderLoopback(mixed.data(), kFrame);
    t += 1.0f / 60.0f;
    thief->physical.SetPosition({t * 100.0f, 0.0f, 0.0f});
    thief->physical.direction = {std::cos(t), std::sin(t), 0.0f};
    state.ResumeTiming();
    sound->Update();
  }
  engine->Shutdown();
}

void BM_SoundUpdateOggMusic(benchmark::State& state) { UpdateWithVoicesAndStreams(state, "ogg music"); }
void BM_SoundUpdateWavMusic(benchmark::State& state) { UpdateWithVoicesAndStreams(state, "wav music"); }
// 25 s of frames, so that the 30 s effects play all through.
BENCHMARK(BM_SoundUpdateOggMusic)->Arg(16)->Arg(2)->Iterations(1500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SoundUpdateWavMusic)->Arg(16)->Iterations(1500)->Unit(benchmark::kMicrosecond);

}  // namespace
