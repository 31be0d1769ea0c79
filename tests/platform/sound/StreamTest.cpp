#include <gtest/gtest.h>

#include <algorithm>

#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"

// Streams: decoded while they play, refilled by Update.
namespace soundtest {
namespace {

class Stream : public LoopbackTest {
 protected:
  Sound Open(const std::string& name, const Tone& tone) {
    EXPECT_TRUE(WriteTone(name, tone));
    Sound sound;
    EXPECT_EQ(System().CreateStream(name, Dim::k2D, &sound), Result::kOk) << System().LastError();
    return sound;
  }
  // The quietest 20 ms stretch of [begin, end): a gap in a stream shows up here.
  static double QuietestStretch(const std::vector<float>& samples, double begin, double end) {
    double quietest = 1.0;
    for (double t = begin; t + 0.02 <= end; t += 0.01) quietest = std::min(quietest, Rms(samples, t, t + 0.02));
    return quietest;
  }
};

TEST_F(Stream, PlaysThroughAFileLongerThanItsBuffersWithoutGaps) {
  for (Format format : {Format::kWav16, Format::kOgg}) {
    Sound sound = Open(format == Format::kOgg ? "long.ogg" : "long.wav", {.seconds = 2.0});
    Channel channel;
    ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
    // Frames 0.1 s apart: the longest the game's timer lets a frame be.
    Stereo out = loopback_.Render(2.5, 0.1);
    EXPECT_GT(QuietestStretch(out.left, 0.05, 1.95), 0.2);
    EXPECT_LT(Rms(out.left, 2.1, 2.5), 1e-3);
    EXPECT_FALSE(channel.IsPlaying());
    sound.Release();
  }
}

TEST_F(Stream, OutlastsAFrameThreeTimesTheLongest) {
  Sound sound = Open("long.ogg", {.seconds = 3.0, .format = Format::kOgg});
  ASSERT_EQ(System().PlaySound(sound, false, nullptr), Result::kOk);
  Stereo out = loopback_.Render(2.5, 0.3);
  EXPECT_GT(QuietestStretch(out.left, 0.05, 2.5), 0.2);
}

TEST_F(Stream, RecoversFromRunningDry) {
  // A stall longer than the buffers (a debugger, a slow disk): the stream goes quiet, then
  // carries on from where it stopped at the next Update.
  Sound sound = Open("long.wav", {.seconds = 3.0});
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
  loopback_.Render(1.0, 1.0);
  EXPECT_TRUE(channel.IsPlaying());
  Stereo out = loopback_.Render(0.5, 0.1);
  EXPECT_GT(QuietestStretch(out.left, 0.05, 0.5), 0.2);
  uint32_t ms = 0;
  channel.GetPositionMs(&ms);
  EXPECT_NEAR(ms, 900, 30);
}

TEST_F(Stream, LoopsBySeekingBackToTheStart) {
  Sound sound = Open("short.ogg", {.seconds = 0.15, .format = Format::kOgg});
  ASSERT_EQ(sound.SetLoop(true), Result::kOk);
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
  Stereo out = loopback_.Render(1.5, 0.1);
  EXPECT_GT(QuietestStretch(out.left, 0.05, 1.5), 0.1);
  uint32_t ms = 0;
  ASSERT_EQ(channel.GetPositionMs(&ms), Result::kOk);
  EXPECT_LT(ms, 150u);
  // Loop off: the stream plays out and its channel dies.
  channel.SetLoop(false);
  loopback_.Render(1.0, 0.1);
  EXPECT_FALSE(channel.IsPlaying());
}

TEST_F(Stream, PausesSeeksAndResumes) {
  Sound sound = Open("long.wav", {.seconds = 3.0});
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
  loopback_.Render(1.0, 0.1);
  channel.SetPaused(true);
  uint32_t paused = 0;
  channel.GetPositionMs(&paused);
  EXPECT_NEAR(paused, 1000, 20);
  Stereo out = loopback_.Render(1.0, 0.1);
  EXPECT_LT(Rms(out.left, 0.05, 1.0), 1e-4);
  channel.SetPaused(false);
  loopback_.Render(0.5, 0.1);
  uint32_t resumed = 0;
  channel.GetPositionMs(&resumed);
  EXPECT_NEAR(resumed, paused + 500, 20);
  ASSERT_EQ(channel.SetPositionMs(2500), Result::kOk);
  channel.GetPositionMs(&resumed);
  EXPECT_NEAR(resumed, 2500, 20);
  out = loopback_.Render(1.0, 0.1);
  EXPECT_GT(Rms(out.left, 0.05, 0.45), 0.2);
  EXPECT_FALSE(channel.IsPlaying());
}

TEST_F(Stream, PlayingAStreamAgainEndsItsEarlierPlay) {
  Sound sound = Open("long.wav", {.seconds = 2.0});
  Channel first, second;
  ASSERT_EQ(System().PlaySound(sound, false, &first), Result::kOk);
  loopback_.Render(0.5, 0.1);
  ASSERT_EQ(System().PlaySound(sound, false, &second), Result::kOk);
  EXPECT_FALSE(first.IsPlaying());
  uint32_t ms = 99;
  second.GetPositionMs(&ms);
  EXPECT_LT(ms, 20u);
}

TEST_F(Stream, ThreeDStreamsAreMono) {
  ASSERT_TRUE(WriteTone("stereo.ogg", {.amplitudes = {0.8, 0.0}, .format = Format::kOgg}));
  System().Set3DListenerAttributes({0, 0, 0}, {1, 0, 0}, {0, 0, 1});
  Sound sound;
  ASSERT_EQ(System().CreateStream("stereo.ogg", Dim::k3D, &sound), Result::kOk);
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, true, &channel), Result::kOk);
  channel.Set3DAttributes({0, 5, 0});  // on the right
  channel.SetPaused(false);
  Stereo out = loopback_.Render(0.5, 0.1);
  EXPECT_GT(Rms(out.right, 0.1, 0.5), 2.0 * Rms(out.left, 0.1, 0.5));
}

}  // namespace
}  // namespace soundtest
