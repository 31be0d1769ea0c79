// What an intro film costs the frame: one 1024 x 768 picture decoded and converted to RGBA,
// and one decoded but skipped because the clock overtook it.
//
// Measured on the 8-core build machine under a load of about 10 (RelWithDebInfo, libavcodec
// 59.37, MPEG-4 part 2 with B-frames, one decoding thread), mean of 3 runs, wall time:
//   BM_FrameDecodedAndConverted  2.6 ms   per picture (2.0 ms on a quieter machine)
//   BM_FrameSkipped              70 ms    per 50 pictures with the opening: 1.4 ms a picture
// A 25-a-second film thus costs the 10 ms the graphics update sleeps about a quarter over.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/video/VideoReader.h"
#include "tests/support/ScratchFolder.h"

namespace {

using platform::video::VideoReader;

constexpr int kFrames = 50;

// A moving test pattern, so that every picture carries new data; made once per run in a
// temporary folder that goes with the process.
struct Film {
  ScratchFolder dir{"vrbench"};
  std::string path;
  Film() {
    const std::string film = dir / "film.avi";
    const std::string command =
        "ffmpeg -nostdin -loglevel error -y -f lavfi -i testsrc2=size=1024x768:rate=25 -frames:v " +
        std::to_string(kFrames) + " -c:v mpeg4 -q:v 5 -bf 2 '" + film + "'";
    if (std::system(command.c_str()) == 0) path = film;
  }
};

const std::string& FilmPath() {
  static const Film film;
  return film.path;
}

std::unique_ptr<VideoReader> OpenFilm(benchmark::State& state) {
  std::string error;
  auto reader = FilmPath().empty() ? nullptr : VideoReader::Open(FilmPath(), &error);
  if (!reader) state.SkipWithError(("no film: " + error).c_str());
  return reader;
}

void BM_FrameDecodedAndConverted(benchmark::State& state) {
  auto reader = OpenFilm(state);
  if (!reader) return;
  for (auto _ : state) {
    const auto* frame = reader->NextFrame();
    if (!frame) {
      state.PauseTiming();
      reader = OpenFilm(state);
      state.ResumeTiming();
      frame = reader->NextFrame();
    }
    benchmark::DoNotOptimize(frame);
  }
}
BENCHMARK(BM_FrameDecodedAndConverted)->Unit(benchmark::kMillisecond);

// The whole film overtaken at once: every picture decoded, only the last converted.
void BM_FrameSkipped(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto reader = OpenFilm(state);
    state.ResumeTiming();
    if (!reader) return;
    benchmark::DoNotOptimize(reader->FrameDueAt(1e9));
  }
  state.SetItemsProcessed(state.iterations() * kFrames);
}
BENCHMARK(BM_FrameSkipped)->Unit(benchmark::kMillisecond);

}  // namespace
