// Seeded mutation of small films in three codecs. Every mutant must either be refused with a
// line naming it, or play to its end: pictures of sane sizes with times that never go back,
// and a finish that comes. Runs in the normal suite under the sanitizers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "platform/core/Random.h"
#include "tests/support/Mutator.h"
#include "tests/platform/video/TestVideos.h"
#include "tests/support/TempDir.h"

namespace videotest {
namespace {

constexpr int kMutantsPerFilm = 3400;
// Far more pictures than any mutant of a 6-picture film can hold; reaching it means a loop.
constexpr int kMaxFrames = 2000;

const MutationLimits kLimits{6, 64, 256, {}};

// Plays the film by its clock in steps of a twentieth of a second, or frame by frame.
void Play(VideoReader& reader, bool byClock, int mutant) {
  SCOPED_TRACE("mutant " + std::to_string(mutant));
  double last = -1.0;
  int frames = 0;
  for (double t = 0.0; frames < kMaxFrames; t += 0.05) {
    const VideoFrame* frame = byClock ? reader.FrameDueAt(t) : reader.NextFrame();
    if (!byClock && !frame) break;
    if (byClock && reader.FinishedAt(t)) break;
    if (!frame) continue;
    ++frames;
    ASSERT_GT(frame->width, 0);
    ASSERT_GT(frame->height, 0);
    ASSERT_EQ(frame->rgba.size(), size_t(frame->width) * frame->height * 4);
    ASSERT_TRUE(std::isfinite(frame->time));
    ASSERT_GE(frame->time, last);
    if (byClock) {
      ASSERT_LE(frame->time, t);
    }
    last = frame->time;
  }
  ASSERT_LT(frames, kMaxFrames);
  EXPECT_TRUE(reader.FinishedAt(last + 10.0));
}

// Returns how many mutants opened.
int FuzzFilm(const std::string& file, unsigned seed) {
  const std::string original = TempDir::Read(file);
  platform::SeedRandom(seed);
  int opened = 0;
  for (int i = 0; i < kMutantsPerFilm; ++i) {
    const std::string name = "mutant-" + file;
    // A fresh file each time: truncating one in place makes the file system write it out.
    std::remove(name.c_str());
    TempDir::Write(name, Mutate(original, kLimits));
    std::string error;
    std::unique_ptr<VideoReader> reader = VideoReader::Open(name, &error);
    if (!reader) {
      EXPECT_NE(error.find(name), std::string::npos) << error;
      continue;
    }
    ++opened;
    Play(*reader, i % 2, i);
    if (testing::Test::HasFailure()) return opened;
  }
  return opened;
}

TEST(VideoFuzz, MutantsAreRefusedOrPlayToTheirEnd) {
  TempDir dir;
  const std::string pattern = "-f lavfi -i testsrc=size=32x24:rate=10 -frames:v 6";
  ASSERT_TRUE(MakeVideo("film.avi", pattern, "-c:v mpeg4 -g 3 -bf 1"));
  ASSERT_TRUE(MakeVideo("film.mkv", pattern, "-c:v mjpeg -pix_fmt yuvj422p"));
  EXPECT_GT(FuzzFilm("film.avi", 11), kMutantsPerFilm / 4);
  EXPECT_GT(FuzzFilm("film.mkv", 22), kMutantsPerFilm / 4);
  if (MakeVideo("film.mp4", pattern, "-c:v libx264 -threads 1")) {
    EXPECT_GT(FuzzFilm("film.mp4", 33), kMutantsPerFilm / 8);
  }
}

}  // namespace
}  // namespace videotest
