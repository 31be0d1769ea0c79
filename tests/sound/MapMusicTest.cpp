#include <gtest/gtest.h>

#include "tests/sound/SoundTestSupport.h"

// Each map's music when the map becomes current, the end of a game, and the nearest-emitter aid.
namespace {

using soundtest::Frequency;
using soundtest::Rms;
using soundtest::Stereo;

class MapMusicTest : public SoundTest {
 protected:
  void SetUp() override {
    WriteSound("hall.wav", {.frequency = 300.0});
    WriteSound("vault.wav", {.frequency = 1200.0});
    WriteConfig({Entry("hall music", "hall.wav", "BGM", "2D", true), Entry("vault music", "vault.wav", "BGM", "2D", true),
                 Entry("drip", "vault.wav", "SFX", "3D")});
    StartSound();
    hall = CreateEmitter("hall music", 0);
    vault = CreateEmitter("vault music", 1);
    for (SoundEmitter* emitter : {hall, vault}) emitter->Type = "BGM";  // as the map gives it
  }

  // The console lines printed by `action`.
  template <class F>
  std::vector<std::string> LinesOf(F action) {
    const size_t before = ConsoleLines().size();
    action();
    std::vector<std::string> lines = ConsoleLines();
    return {lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()};
  }

  double Tone(const Stereo& out) { return Frequency(out.left, 0.1, 0.5); }

  SoundEmitter* hall = nullptr;
  SoundEmitter* vault = nullptr;
};

TEST_F(MapMusicTest, NothingSwitchesBeforeAGameHasStarted) {
  EXPECT_TRUE(LinesOf([&] { sound->SetCurrentMap(0); }).empty());
  EXPECT_FALSE(hall->IsPlaying());
}

TEST_F(MapMusicTest, EachMapSwitchesOnItsOwnMusicWhenItBecomesCurrent) {
  sound->SetGameStarted();
  EXPECT_EQ(LinesOf([&] { sound->SetCurrentMap(0); }), std::vector<std::string>{"hall music started playing."});
  EXPECT_NEAR(Tone(Render(0.6)), 300.0, 10.0);

  EXPECT_EQ(LinesOf([&] { sound->SetCurrentMap(1); }),
            (std::vector<std::string>{"hall music is playing.", "hall music just stopped.", "vault music started playing."}));
  EXPECT_NEAR(Tone(Render(0.6)), 1200.0, 10.0);

  // Back in the hall its music resumes; the vault's, paused, still holds its voice.
  EXPECT_EQ(LinesOf([&] { sound->SetCurrentMap(0); }),
            (std::vector<std::string>{"hall music is playing.", "hall music just stopped.", "vault music is playing.",
                                      "vault music just stopped.", "hall music started playing."}));
  EXPECT_NEAR(Tone(Render(0.6)), 300.0, 10.0);
}

TEST_F(MapMusicTest, TwoMusicEmittersOfOneMapBothStartInListOrder) {
  SoundEmitter* second = CreateEmitter("vault music", 0);
  second->Type = "BGM";
  sound->SetGameStarted();
  EXPECT_EQ(LinesOf([&] { sound->SetCurrentMap(0); }),
            (std::vector<std::string>{"hall music started playing.", "vault music started playing."}));
}

TEST_F(MapMusicTest, MusicInLowerCaseIsNotMusic) {
  hall->Type = "bgm";
  sound->SetGameStarted();
  EXPECT_TRUE(LinesOf([&] { sound->SetCurrentMap(0); }).empty());
}

TEST_F(MapMusicTest, ClearingAGameSilencesAndForgetsEveryEmitter) {
  sound->SetGameStarted();
  sound->SetCurrentMap(0);
  sound->StopAllEmitters();
  EXPECT_TRUE(sound->GetEmitters().empty());
  EXPECT_LT(Rms(Render(0.3).left, 0.0, 0.3), 1e-4);
  EXPECT_TRUE(LinesOf([&] { sound->SetCurrentMap(1); }).empty());
}

TEST_F(MapMusicTest, EveryFortySecondsTheNearestEffectOfThePlayersMapPlays) {
  SoundEmitter* far = CreateEmitter("drip", 1);
  far->Type = "SFX";
  far->physical.SetPosition({500, 0, 0});
  SoundEmitter* near = CreateEmitter("drip", 1);
  near->Type = "SFX";
  near->physical.SetPosition({100, 0, 0});
  SoundEmitter* otherMap = CreateEmitter("drip", 0);
  otherMap->Type = "SFX";
  Control(Body({0, 0, 0}, 1));
  std::vector<std::string> lines;
  // 39.8 s of frames say nothing; by 40.2 s the aid has spoken once.
  for (int frame = 1; frame <= 402; ++frame) {
    for (const std::string& line : LinesOf([&] { Frame(0.1); })) lines.push_back(line);
    if (frame == 398) {
      EXPECT_TRUE(lines.empty());
    }
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"Would be playing closest sound emitter if they were in the game", "Sound: drip"}));
  EXPECT_TRUE(near->IsPlaying());
  EXPECT_FALSE(far->IsPlaying());
  // With no effect in the map only the first line shows.
  EXPECT_EQ(LinesOf([&] { sound->PlayNearestEmitter(Body({0, 0, 0}, 2)); }),
            std::vector<std::string>{"Would be playing closest sound emitter if they were in the game"});
}

}  // namespace
