#include <gtest/gtest.h>

#include "tests/platform/sound/Loopback.h"
#include "tests/platform/sound/SoundFiles.h"

// Samples on channels: looping, pausing, rates, volumes and what becomes of finished plays.
namespace soundtest {
namespace {

class Playback : public LoopbackTest {
 protected:
  Sound Load(const Tone& tone, Dim dim = Dim::k2D) {
    EXPECT_TRUE(WriteTone("tone.wav", tone));
    Sound sound;
    EXPECT_EQ(System().CreateSample("tone.wav", dim, &sound), Result::kOk) << System().LastError();
    return sound;
  }
};

TEST_F(Playback, ALoopingSoundLoopsAndAOneShotEnds) {
  Sound sound = Load({.seconds = 0.25});
  Channel once, looping;
  ASSERT_EQ(System().PlaySound(sound, false, &once), Result::kOk);
  ASSERT_EQ(sound.SetLoop(true), Result::kOk);
  ASSERT_EQ(System().PlaySound(sound, true, &looping), Result::kOk);
  looping.SetVolume(0.5f);
  looping.SetPaused(false);
  Stereo out = loopback_.Render(1.0);
  // Both play at first; after the quarter second only the looping one (at half volume) is left.
  double both = Rms(out.left, 0.05, 0.2), loopOnly = Rms(out.left, 0.5, 1.0);
  EXPECT_NEAR(loopOnly / both, 0.5 / 1.5, 0.03);
  EXPECT_FALSE(once.IsPlaying());
  EXPECT_TRUE(looping.IsPlaying());
  // Switching the loop off lets it run out.
  looping.SetLoop(false);
  out = loopback_.Render(0.5);
  EXPECT_LT(Rms(out.left, 0.3, 0.5), 1e-4);
  EXPECT_FALSE(looping.IsPlaying());
}

TEST_F(Playback, PauseAndResumeKeepThePlayPosition) {
  Sound sound = Load({.seconds = 2.0});
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
  loopback_.Render(0.5);
  ASSERT_EQ(channel.SetPaused(true), Result::kOk);
  uint32_t paused = 0;
  ASSERT_EQ(channel.GetPositionMs(&paused), Result::kOk);
  EXPECT_NEAR(paused, 500, 20);
  Stereo out = loopback_.Render(1.0);
  EXPECT_LT(Rms(out.left, 0.05, 1.0), 1e-4);  // silent while paused
  uint32_t still = 0;
  channel.GetPositionMs(&still);
  EXPECT_EQ(still, paused);
  bool isPaused = false;
  EXPECT_EQ(channel.GetPaused(&isPaused), Result::kOk);
  EXPECT_TRUE(isPaused);
  ASSERT_EQ(channel.SetPaused(false), Result::kOk);
  out = loopback_.Render(0.5);
  EXPECT_GT(Rms(out.left, 0.05, 0.5), 0.2);
  uint32_t resumed = 0;
  channel.GetPositionMs(&resumed);
  EXPECT_NEAR(resumed, paused + 500, 20);
  // Resuming a playing channel does not restart it.
  channel.SetPaused(false);
  channel.GetPositionMs(&resumed);
  EXPECT_NEAR(resumed, paused + 500, 20);
  // Rewinding a paused channel leaves it paused at the start.
  channel.SetPaused(true);
  ASSERT_EQ(channel.SetPositionMs(0), Result::kOk);
  out = loopback_.Render(0.2);
  EXPECT_LT(Rms(out.left, 0.0, 0.2), 1e-4);
  EXPECT_EQ(channel.SetPositionMs(5000), Result::kInvalidParam);  // past the end
}

TEST_F(Playback, EightBitAnd22kHzFilesPlayAtTheirOwnRate) {
  for (Format format : {Format::kWav8, Format::kWav16}) {
    Sound sound = Load({.rate = 22050, .frequency = 1000.0, .format = format});
    ASSERT_EQ(System().PlaySound(sound, false, nullptr), Result::kOk);
    Stereo out = loopback_.Render(0.6);
    EXPECT_NEAR(Frequency(out.left, 0.1, 0.6), 1000.0, 10.0);
    EXPECT_GT(Rms(out.left, 0.1, 0.6), 0.2);
    sound.Release();
  }
}

TEST_F(Playback, AFinishedChannelIsDeadAndTheSoundCanPlayAgain) {
  Sound sound = Load({.seconds = 0.1});
  Channel channel;
  ASSERT_EQ(System().PlaySound(sound, false, &channel), Result::kOk);
  EXPECT_TRUE(channel.IsPlaying());
  loopback_.Render(0.3);
  // Without an Update in between the handle still finds out.
  EXPECT_FALSE(channel.IsPlaying());
  EXPECT_EQ(channel.SetPaused(false), Result::kInvalidHandle);
  EXPECT_EQ(channel.SetVolume(1.0f), Result::kInvalidHandle);
  EXPECT_EQ(channel.Set3DAttributes({1, 2, 3}), Result::kInvalidHandle);
  EXPECT_EQ(channel.Stop(), Result::kInvalidHandle);
  // A new play on the same voice does not bring the old handle back to life.
  Channel again;
  ASSERT_EQ(System().PlaySound(sound, false, &again), Result::kOk);
  EXPECT_TRUE(again.IsPlaying());
  EXPECT_FALSE(channel.IsPlaying());
  EXPECT_EQ(Channel().SetPaused(false), Result::kInvalidHandle);
}

TEST_F(Playback, StoppingOrReleasingEndsPlaysAtOnce) {
  Sound sound = Load({.seconds = 2.0});
  Channel a, b;
  System().PlaySound(sound, false, &a);
  System().PlaySound(sound, false, &b);
  ASSERT_EQ(a.Stop(), Result::kOk);
  EXPECT_FALSE(a.IsPlaying());
  EXPECT_TRUE(b.IsPlaying());
  ASSERT_EQ(sound.Release(), Result::kOk);
  EXPECT_FALSE(b.IsPlaying());
  EXPECT_FALSE(sound.IsValid());
  EXPECT_EQ(System().PlaySound(sound, false, nullptr), Result::kInvalidHandle);
  EXPECT_EQ(sound.Release(), Result::kInvalidHandle);
  Stereo out = loopback_.Render(0.2);
  EXPECT_LT(Rms(out.left, 0.0, 0.2), 1e-4);
}

TEST_F(Playback, AFullPoolStealsTheOldestOneShotButNeverALoopOrAPause) {
  // Eight voices: three paused, two looping, three one-shots.
  Sound sound = Load({.seconds = 2.0});
  std::vector<Channel> kept(5), shots(3);
  for (int i = 0; i < 3; ++i) ASSERT_EQ(System().PlaySound(sound, true, &kept[i]), Result::kOk);
  sound.SetLoop(true);
  for (int i = 3; i < 5; ++i) ASSERT_EQ(System().PlaySound(sound, false, &kept[i]), Result::kOk);
  sound.SetLoop(false);
  for (Channel& shot : shots) ASSERT_EQ(System().PlaySound(sound, false, &shot), Result::kOk);
  Channel extra;
  ASSERT_EQ(System().PlaySound(sound, false, &extra), Result::kOk);
  EXPECT_FALSE(shots[0].IsPlaying());
  EXPECT_TRUE(shots[1].IsPlaying());
  for (Channel& c : kept) EXPECT_TRUE(c.IsPlaying());
  // With only paused and looping plays left, a new play is refused.
  for (Channel& shot : shots) shot.Stop();
  extra.Stop();
  for (int i = 0; i < 3; ++i) {
    sound.SetLoop(true);
    ASSERT_EQ(System().PlaySound(sound, false, nullptr), Result::kOk);
  }
  EXPECT_EQ(System().PlaySound(sound, false, nullptr), Result::kNoFreeVoice);
  for (Channel& c : kept) EXPECT_TRUE(c.IsPlaying());
}

TEST_F(Playback, MasterVolumeScalesEveryChannel) {
  Sound sound = Load({});
  System().PlaySound(sound, false, nullptr);
  Stereo full = loopback_.Render(0.3);
  platform::sound::ChannelGroup master = System().GetMasterChannelGroup();
  ASSERT_EQ(master.SetVolume(0.25f), Result::kOk);
  float volume = 0.0f;
  master.GetVolume(&volume);
  EXPECT_FLOAT_EQ(volume, 0.25f);
  Stereo quiet = loopback_.Render(0.3);
  EXPECT_NEAR(Rms(quiet.left, 0.1, 0.3) / Rms(full.left, 0.1, 0.3), 0.25, 0.01);
}

}  // namespace
}  // namespace soundtest
