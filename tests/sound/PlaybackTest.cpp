#include <gtest/gtest.h>

#include <filesystem>

#include "tests/sound/SoundTestSupport.h"

// Named sounds in 2D and 3D, the listener, the voice pool, and the demo's own sound list.
namespace {

using soundtest::Frequency;
using soundtest::Rms;
using soundtest::Stereo;
using soundtest::Tone;

class PlaybackTest : public SoundTest {
 protected:
  // One sound of the list, "tone.wav", and the player at the origin facing +x. With z up in a
  // left-handed world, +y is to the player's right; the ear is 40 units up.
  void StartBesideThePlayer(const SoundInfo& entry, const Tone& tone) {
    WriteSound("tone.wav", tone);
    WriteConfig({entry});
    StartSound();
    Control(Body({0, 0, 0}));
  }
  // Plays the sound at ear height, `y` to the player's right, and renders 0.4 s.
  Stereo PlayBeside(const std::string& name, float y) {
    sound->Play3D(name, Body({0, y, 40}));
    return Render(0.4);
  }
};

TEST_F(PlaybackTest, SoundsPlayAtTheirFilesOwnRate) {
  WriteSound("low.wav", {.rate = 22050, .frequency = 1000.0});
  WriteSound("high.wav", {.rate = 48000, .frequency = 1000.0});
  WriteConfig({Entry("low", "low.wav"), Entry("high", "high.wav", "SFX", "3D")});
  StartSound();
  sound->Play2D("low");
  EXPECT_NEAR(Frequency(Render(0.5).left, 0.1, 0.5), 1000.0, 10.0);
  Render(0.6);
  Control(Body({0, 0, -40}));
  sound->Play3D("high", Body({1, 0, 0}));
  EXPECT_NEAR(Frequency(Render(0.5).left, 0.1, 0.5), 1000.0, 10.0);
}

TEST_F(PlaybackTest, TheListenerHearsWithTheWorldsUp) {
  StartBesideThePlayer(Entry("tone", "tone.wav", "SFX", "3D"), {.seconds = 0.5});
  Stereo right = PlayBeside("tone", 50.0f);
  EXPECT_GT(Rms(right.right, 0.1, 0.4), 2.0 * Rms(right.left, 0.1, 0.4));
  Render(0.3);
  Stereo left = PlayBeside("tone", -50.0f);
  EXPECT_GT(Rms(left.left, 0.1, 0.4), 2.0 * Rms(left.right, 0.1, 0.4));
}

TEST_F(PlaybackTest, A2DSoundPlaysUnplacedEvenThroughPlay3D) {
  StartBesideThePlayer(Entry("tone", "tone.wav"), {.seconds = 0.5});
  Stereo out = PlayBeside("tone", 5000.0f);
  EXPECT_NEAR(Rms(out.left, 0.1, 0.4), Rms(out.right, 0.1, 0.4), 0.01);
  EXPECT_GT(Rms(out.left, 0.1, 0.4), 0.2);
}

TEST_F(PlaybackTest, AStereoFilePlayedIn3DIsPlaced) {
  StartBesideThePlayer(Entry("tone", "tone.wav", "SFX", "3D"), {.seconds = 0.5, .amplitudes = {0.5, 0.5}});
  Stereo out = PlayBeside("tone", 50.0f);
  EXPECT_GT(Rms(out.right, 0.1, 0.4), 2.0 * Rms(out.left, 0.1, 0.4));
  EXPECT_TRUE(LogLines(kSoundLog).empty());
}

TEST_F(PlaybackTest, MorePlaysThanVoicesTakeTheOldestAndSayWhenNoneIsFree) {
  WriteSound("tone.wav", {.seconds = 2.0});
  WriteSound("loop.wav", {.seconds = 0.5});
  WriteConfig({Entry("tone", "tone.wav"), Entry("loop", "loop.wav", "SFX", "2D", true)});
  StartSound(4);
  for (int i = 0; i < 10; ++i) sound->Play2D("tone");
  EXPECT_GT(Rms(Render(0.3).left, 0.0, 0.3), 0.2);
  // Four looping emitters hold every voice; further plays are refused, each with a line.
  std::vector<SoundEmitter*> loops;
  for (int i = 0; i < 4; ++i) {
    loops.push_back(CreateEmitter("loop", 0));
    loops.back()->Play();
  }
  const size_t before = ConsoleLines().size();
  sound->Play2D("tone");
  const std::vector<std::string> lines = ConsoleLines();
  ASSERT_EQ(lines.size(), before + 1);
  EXPECT_EQ(lines.back(), "FMOD error! 6   Every voice is busy.");
  for (SoundEmitter* loop : loops) EXPECT_TRUE(loop->IsPlaying());
}

// Every entry of the committed sound list names a file the sound generator makes, and plays.
TEST_F(PlaybackTest, TheDemoSoundListPlaysEverySound) {
  std::filesystem::remove("Audio Files");
  std::filesystem::create_directory_symlink(VR_GENERATED_DIR "/Audio Files", "Audio Files");
  std::filesystem::copy_file(VR_DATA_DIR "/Data/SoundConfig.xml", kSoundConfigPath);
  StartSound(128);
  const SoundConfig& config = sound->GetConfig();
  ASSERT_EQ(config.SoundList.size(), 23u);
  for (const SoundInfo& info : config.SoundList) {
    EXPECT_NE(sound->GetDirectory().GetOrLoad(info.Name), nullptr) << info.Name;
    SoundEmitter* emitter = CreateEmitter(info.Name, 0);
    emitter->Play();
    EXPECT_TRUE(emitter->IsPlaying()) << info.Name;
    EXPECT_EQ(emitter->Loop, info.Loop ? 1 : 0);
  }
  EXPECT_TRUE(LogLines(kSoundLog).empty());
  EXPECT_EQ(LogLines("AssetsLoaded").size(), config.SoundList.size());
}

}  // namespace
