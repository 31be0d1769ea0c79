// Films in the codecs and containers an intro may come in: sizes, frame counts, times from the
// start of the stream, and the colours that come out.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/platform/video/TestVideos.h"
#include "tests/support/TempDir.h"

namespace videotest {
namespace {

struct Format {
  const char* label;
  const char* file;
  const char* codec;
};

const Format kFormats[] = {
    {"Mpeg4Avi", "film.avi", "-c:v mpeg4"},
    // AVI states no showing times: with B-frames the first picture is stamped one frame late.
    {"Mpeg4BFramesAvi", "film.avi", "-c:v mpeg4 -bf 2"},
    {"MjpegAvi", "film.avi", "-c:v mjpeg -pix_fmt yuvj420p"},
    {"H264Mp4", "film.mp4", "-c:v libx264 -pix_fmt yuv420p -threads 1"},
    {"RawRgbAvi", "film.avi", "-c:v rawvideo -pix_fmt bgr24"},
    {"Mpeg4Mkv", "film.mkv", "-c:v mpeg4"},
};

class EveryFormat : public testing::TestWithParam<Format> {
 protected:
  // Makes the film, or skips when this machine's ffmpeg has no encoder for it.
  std::string Make(const std::string& inputs) {
    if (!MakeVideo(GetParam().file, inputs, GetParam().codec)) return "";
    return dir_ / GetParam().file;
  }
  TempDir dir_;
};

TEST_P(EveryFormat, GivesEveryFrameInOrderWithTimesFromZero) {
  const std::string path = Make(Pattern(10));
  if (path.empty()) GTEST_SKIP() << "no encoder for " << GetParam().codec;
  auto reader = OpenOk(path);
  ASSERT_TRUE(reader);
  EXPECT_EQ(reader->Width(), 64);
  EXPECT_EQ(reader->Height(), 48);
  EXPECT_NEAR(reader->Duration(), 1.0, 0.11);
  int count = 0;
  while (const VideoFrame* frame = reader->NextFrame()) {
    EXPECT_NEAR(frame->time, 0.1 * count, 1e-3) << "frame " << count;
    EXPECT_EQ(frame->width, 64);
    EXPECT_EQ(frame->height, 48);
    EXPECT_EQ(frame->rgba.size(), 64u * 48u * 4u);
    ++count;
  }
  EXPECT_EQ(count, 10);
  EXPECT_EQ(reader->NextFrame(), nullptr);
  EXPECT_EQ(reader->Error(), "");
}

TEST_P(EveryFormat, SolidColoursComeOutAsRgba) {
  const std::string path = Make(RedThenBlue());
  if (path.empty()) GTEST_SKIP() << "no encoder for " << GetParam().codec;
  auto reader = OpenOk(path);
  ASSERT_TRUE(reader);
  for (int i = 0; i < 8; ++i) {
    const VideoFrame* frame = reader->NextFrame();
    ASSERT_NE(frame, nullptr) << "frame " << i;
    const bool red = i < 4;
    for (auto [x, y] : {std::pair{0, 0}, {63, 0}, {32, 24}, {0, 47}, {63, 47}})
      EXPECT_TRUE(Near(*frame, x, y, red ? 255 : 0, 0, red ? 0 : 255))
          << "frame " << i << " at " << x << "," << y << ": " << Pixel(*frame, x, y);
  }
  EXPECT_EQ(reader->NextFrame(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Video, EveryFormat, testing::ValuesIn(kFormats),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(VideoRead, TopRowComesFirst) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.avi",
                        "-f lavfi -i color=black:s=64x48:r=10:d=0.1 "
                        "-vf drawbox=x=0:y=0:w=64:h=16:color=white:t=fill",
                        "-c:v mpeg4 -q:v 2"));
  auto reader = OpenOk(dir / "film.avi");
  ASSERT_TRUE(reader);
  const VideoFrame* frame = reader->NextFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(Near(*frame, 10, 2, 255, 255, 255)) << Pixel(*frame, 10, 2);
  EXPECT_TRUE(Near(*frame, 10, 44, 0, 0, 0)) << Pixel(*frame, 10, 44);
}

// Transport streams start at 1.4 s or so, and containers can be told to start anywhere: the
// film's own clock still starts at 0.
TEST(VideoRead, TimesCountFromTheStreamsStart) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("late.mkv", Pattern(5), "-c:v mpeg4 -output_ts_offset 5"));
  ASSERT_TRUE(MakeVideo("stream.ts", Pattern(5), "-c:v mpeg2video -f mpegts"));
  for (const char* name : {"late.mkv", "stream.ts"}) {
    auto reader = OpenOk(dir / name);
    ASSERT_TRUE(reader);
    for (int i = 0; i < 5; ++i) {
      const VideoFrame* frame = reader->NextFrame();
      ASSERT_NE(frame, nullptr) << name << " frame " << i;
      EXPECT_NEAR(frame->time, 0.1 * i, 1e-3) << name << " frame " << i;
    }
    EXPECT_EQ(reader->NextFrame(), nullptr) << name;
  }
}

TEST(VideoRead, OneFrameFilmShowsForOneFrameTime) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("one.avi", Pattern(1), "-c:v mpeg4"));
  auto reader = OpenOk(dir / "one.avi");
  ASSERT_TRUE(reader);
  EXPECT_FALSE(reader->FinishedAt(0.0));
  const VideoFrame* frame = reader->FrameDueAt(0.0);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->time, 0.0);
  EXPECT_FALSE(reader->FinishedAt(0.09));
  EXPECT_TRUE(reader->FinishedAt(0.1));
  EXPECT_EQ(reader->NextFrame(), nullptr);
  EXPECT_EQ(reader->Error(), "");
}

TEST(VideoRead, SoundInTheFileIsPassedOver) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("talkie.mkv", "-f lavfi -i sine=d=2 " + Pattern(10),
                        "-c:v mpeg4 -c:a pcm_s16le -shortest"));
  auto reader = OpenOk(dir / "talkie.mkv");
  ASSERT_TRUE(reader);
  int count = 0;
  while (reader->NextFrame()) ++count;
  EXPECT_EQ(count, 10);
  EXPECT_EQ(reader->Error(), "");
}

// Odd sizes: the rows of the file are padded, the RGBA rows must still fit exactly.
TEST(VideoRead, OddSizesFillExactlyTheirRows) {
  TempDir dir;
  for (const char* codec : {"-c:v mjpeg -pix_fmt yuvj444p", "-c:v rawvideo -pix_fmt bgr24"}) {
    // The colour source rounds odd sizes down unless told a layout that takes them.
    ASSERT_TRUE(
        MakeVideo("odd.avi", "-f lavfi -i color=green:s=33x17:r=10:d=0.3,format=yuvj444p", codec));
    auto reader = OpenOk(dir / "odd.avi");
    ASSERT_TRUE(reader);
    int count = 0;
    while (const VideoFrame* frame = reader->NextFrame()) {
      ASSERT_EQ(frame->width, 33) << codec;
      ASSERT_EQ(frame->height, 17) << codec;
      ASSERT_EQ(frame->rgba.size(), 33u * 17u * 4u);
      EXPECT_TRUE(Near(*frame, 32, 16, 0, 128, 0)) << codec << ": " << Pixel(*frame, 32, 16);
      ++count;
    }
    EXPECT_EQ(count, 3) << codec;
  }
}

// Two streams glued together: the pictures change size midway and the second stream's times
// start over. Each picture comes in its own size and the film's clock keeps running.
TEST(VideoRead, GluedStreamsKeepTheirSizesAndTheClockRuns) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("a.ts", Pattern(5), "-c:v mpeg2video -f mpegts"));
  ASSERT_TRUE(MakeVideo("b.ts", "-f lavfi -i testsrc=size=96x32:rate=10 -frames:v 5",
                        "-c:v mpeg2video -f mpegts"));
  TempDir::Write("glued.ts", TempDir::Read("a.ts") + TempDir::Read("b.ts"));
  auto reader = OpenOk(dir / "glued.ts");
  ASSERT_TRUE(reader);
  double last = -1.0;
  int wide = 0;
  while (const VideoFrame* frame = reader->NextFrame()) {
    ASSERT_EQ(frame->rgba.size(), size_t(frame->width) * frame->height * 4);
    EXPECT_GT(frame->time, last);
    last = frame->time;
    if (frame->width == 96 && frame->height == 32) ++wide;
  }
  EXPECT_GE(wide, 4);
  EXPECT_NEAR(last, 0.8, 0.11);
}

TEST(VideoRead, NamesFromWindowsDataAreFoundInAnyCase) {
  TempDir dir;
  ::mkdir("Films", 0755);
  ASSERT_TRUE(MakeVideo("Films/Intro.AVI", Pattern(2), "-c:v mpeg4"));
  auto reader = OpenOk("films\\intro.avi");
  ASSERT_TRUE(reader);
  EXPECT_NE(reader->NextFrame(), nullptr);
}

}  // namespace
}  // namespace videotest
