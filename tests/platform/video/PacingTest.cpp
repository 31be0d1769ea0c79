// A player shows the picture due at its clock: late pictures are skipped, not shown late, and
// the film is over once the last picture has had its time.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/video/FrameTimes.h"
#include "tests/platform/video/TestVideos.h"
#include "tests/support/TempDir.h"

namespace videotest {
namespace {

using platform::video::FrameTimes;

TEST(VideoPacing, ShowsThePictureDueAndSkipsOvertakenOnes) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.avi", Pattern(10), "-c:v mpeg4"));
  auto reader = OpenOk(dir / "film.avi");
  ASSERT_TRUE(reader);

  EXPECT_EQ(reader->FrameDueAt(NAN), nullptr) << "a broken clock must not run the film through";
  const VideoFrame* frame = reader->FrameDueAt(0.0);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.0, 1e-6);
  EXPECT_EQ(reader->FrameDueAt(0.05), nullptr) << "nothing new is due yet";

  frame = reader->FrameDueAt(0.35);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.3, 1e-3) << "0.1 and 0.2 were overtaken";
  EXPECT_EQ(reader->FrameDueAt(0.35), nullptr);

  frame = reader->FrameDueAt(0.4);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.4, 1e-3) << "a picture due exactly now is shown";

  frame = reader->FrameDueAt(60.0);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.9, 1e-3);
  EXPECT_FALSE(reader->FinishedAt(0.95)) << "the last picture still has its time";
  EXPECT_TRUE(reader->FinishedAt(1.0));
  EXPECT_EQ(reader->FrameDueAt(61.0), nullptr);
}

TEST(VideoPacing, ASkippedPictureNeverReachesTheScreen) {
  TempDir dir;
  ASSERT_TRUE(MakeVideo("film.avi", RedThenBlue(), "-c:v rawvideo -pix_fmt bgr24"));
  auto reader = OpenOk(dir / "film.avi");
  ASSERT_TRUE(reader);
  EXPECT_FALSE(reader->FinishedAt(0.0));
  const VideoFrame* frame = reader->FrameDueAt(0.55);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.5, 1e-3);
  EXPECT_TRUE(Near(*frame, 5, 5, 0, 0, 255, 0)) << Pixel(*frame, 5, 5);
  EXPECT_FALSE(reader->FinishedAt(0.55));
  frame = reader->FrameDueAt(0.8);
  ASSERT_NE(frame, nullptr);
  EXPECT_NEAR(frame->time, 0.7, 1e-3);
  EXPECT_TRUE(reader->FinishedAt(0.8));
}

TEST(VideoPacing, StatedTimesAreKeptWhenTheyMakeSense) {
  FrameTimes times(0.1);
  EXPECT_EQ(times.End(), 0.0);
  EXPECT_EQ(times.Next(0.0), 0.0);
  EXPECT_EQ(times.Next(0.04), 0.04);
  EXPECT_EQ(times.Next(0.04), 0.04) << "two pictures at one time: the later one wins";
  EXPECT_EQ(times.Next(5.0), 5.0) << "a still of a few seconds is allowed";
  EXPECT_DOUBLE_EQ(times.End(), 5.1);
}

// Damaged films: a picture without a time, one going back, or one an hour ahead gets the
// regular next time, so the player never waits on a picture that will not come.
TEST(VideoPacing, DamagedTimesFollowTheFrameRate) {
  FrameTimes times(0.1);
  EXPECT_EQ(times.Next(NAN), 0.0);
  EXPECT_DOUBLE_EQ(times.Next(NAN), 0.1);
  EXPECT_DOUBLE_EQ(times.Next(-3.0), 0.2);
  EXPECT_DOUBLE_EQ(times.Next(3600.0), 0.3);
  EXPECT_DOUBLE_EQ(times.Next(INFINITY), 0.4);
  EXPECT_DOUBLE_EQ(times.Next(0.6), 0.6);

  FrameTimes lateStart(0.1);
  EXPECT_EQ(lateStart.Next(1e9), 0.0) << "a first picture far from the start begins the film";
}

TEST(VideoPacing, UnusableFrameRatesFallBackTo25PerSecond) {
  for (double step : {0.0, -1.0, double(NAN), double(INFINITY)}) {
    EXPECT_DOUBLE_EQ(FrameTimes(step).Step(), 0.04) << step;
  }
  EXPECT_DOUBLE_EQ(FrameTimes(1e-9).Step(), 0.001);
  EXPECT_DOUBLE_EQ(FrameTimes(100.0).Step(), 2.0);
}

}  // namespace
}  // namespace videotest
