// What the sound layer costs the game's frame: the per-frame update with a busy voice pool,
// and starting a music stream. Mixing is left out of the timings: on a real device the
// library mixes on its own thread.
#include <benchmark/benchmark.h>
#include <sndfile.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/sound/System.h"
#include "tests/support/ScratchFolder.h"

namespace {

using namespace platform::sound;

constexpr int kRate = 44100;

// A looping-friendly tone file in the run's own temporary folder; the path is returned.
std::string WriteTone(const std::string& name, int format, int channels, double seconds) {
  static const ScratchFolder folder("vrbench");
  const std::string path = folder / name;
  SF_INFO info{};
  info.samplerate = kRate;
  info.channels = channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  std::vector<float> data(static_cast<size_t>(seconds * kRate) * channels);
  for (size_t i = 0; i < data.size(); ++i) {
    data[i] = 0.3f * std::sin(static_cast<float>(i / channels) * 0.05f);
  }
  sf_writef_float(file, data.data(), static_cast<sf_count_t>(data.size() / channels));
  sf_close(file);
  return path;
}

// 100 looping 3D sample plays spread around the listener and range(0) looping music streams;
// each iteration is one 60 Hz frame: the listener moves and Update runs. A stream's share is
// mostly decoding, which is real-time work: Vorbis costs far more than PCM.
void UpdateWithVoicesAndStreams(benchmark::State& state, int streamFormat) {
  const std::string effect = WriteTone("effect.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16, 1, 0.5);
  const std::string music = WriteTone(streamFormat == SF_FORMAT_WAV ? "music.wav" : "music.ogg",
                                      streamFormat | (streamFormat == SF_FORMAT_WAV ? SF_FORMAT_PCM_16 : SF_FORMAT_VORBIS),
                                      2, 5.0);
  System system;
  if (system.InitLoopback(128, kRate) != Result::kOk) {
    state.SkipWithError("no loopback mixing");
    return;
  }
  Sound sample;
  system.CreateSample(effect, Dim::k3D, &sample);
  sample.SetLoop(true);
  for (int i = 0; i < 100; ++i) {
    Channel channel;
    system.PlaySound(sample, true, &channel);
    channel.Set3DAttributes({std::cos(i * 0.7f) * 50.0f * i, std::sin(i * 0.7f) * 50.0f * i, 0.0f});
    channel.SetPaused(false);
  }
  std::vector<Sound> streams(static_cast<size_t>(state.range(0)));
  for (Sound& stream : streams) {
    system.CreateStream(music, Dim::k2D, &stream);
    stream.SetLoop(true);
    system.PlaySound(stream, false, nullptr);
  }
  std::vector<float> mixed(2 * kRate / 60);
  float t = 0.0f;
  for (auto _ : state) {
    state.PauseTiming();
    system.RenderLoopback(mixed.data(), kRate / 60);
    state.ResumeTiming();
    t += 1.0f / 60.0f;
    system.Set3DListenerAttributes({t * 100.0f, 0.0f, 40.0f}, {std::cos(t), std::sin(t), 0.0f}, {0, 0, 1});
    system.Update();
  }
  system.Close();
}

void BM_UpdateOggStreams(benchmark::State& state) { UpdateWithVoicesAndStreams(state, SF_FORMAT_OGG); }
void BM_UpdateWavStreams(benchmark::State& state) { UpdateWithVoicesAndStreams(state, SF_FORMAT_WAV); }
BENCHMARK(BM_UpdateOggStreams)->Arg(16)->Arg(2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_UpdateWavStreams)->Arg(16)->Unit(benchmark::kMicrosecond);

// Opening an OGG music file as a stream and starting it: what a map change or a menu costs.
void BM_StartOggStream(benchmark::State& state) {
  const std::string music = WriteTone("start.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2, 10.0);
  System system;
  if (system.InitLoopback(16, kRate) != Result::kOk) {
    state.SkipWithError("no loopback mixing");
    return;
  }
  for (auto _ : state) {
    Sound stream;
    system.CreateStream(music, Dim::k2D, &stream);
    system.PlaySound(stream, false, nullptr);
    state.PauseTiming();
    stream.Release();
    state.ResumeTiming();
  }
  system.Close();
}
BENCHMARK(BM_StartOggStream)->Unit(benchmark::kMillisecond);

}  // namespace
