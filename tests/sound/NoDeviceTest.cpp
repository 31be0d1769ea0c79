#include <gtest/gtest.h>

#include "tests/sound/SoundTestSupport.h"

// Started with no sound device the game runs on silent, with one line saying so.
namespace {

class NoDeviceTest : public SoundTest {};

TEST_F(NoDeviceTest, TheGameRunsSilentWithOneErrorLine) {
  WriteSound("tone.wav", {});
  StartSound([](platform::sound::System& system) { return system.Init({100, "no such sound device"}); });
  EXPECT_TRUE(sound->IsSilent());
  const std::vector<std::string> lines = ConsoleLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "FMOD error! 1   No sound device could be opened."), lines.end());
  ASSERT_EQ(LogLines(kSoundLog).size(), 1u);
  EXPECT_NE(LogLines(kSoundLog)[0].find("no such sound device"), std::string::npos) << LogLines(kSoundLog)[0];
  // No settings were read (so none written back) and the system keeps no emitters.
  EXPECT_FALSE(TempDir::Exists(kSoundConfigPath));
  EXPECT_EQ(sound->GetMusicEmitter(), nullptr);
  EXPECT_EQ(sound->GetMoneyEmitter(), nullptr);

  const size_t consoleLines = ConsoleLines().size();
  SoundEmitter* emitter = CreateEmitter("tone", 0);
  for (int frame = 0; frame < 20; ++frame) {
    sound->Play2D("tone");
    sound->Play3D("tone", {});
    sound->FollowPlayer(0, {}, {1, 0, 0});
    emitter->Play();
    emitter->Rewind();
    ASSERT_TRUE(Frame(0.1));
  }
  EXPECT_FALSE(emitter->IsPlaying());
  EXPECT_EQ(ConsoleLines().size(), consoleLines);
  EXPECT_EQ(LogLines(kSoundLog).size(), 1u);
  // The map switch still walks its emitters, which answer quietly.
  emitter->Type = "BGM";
  sound->SetGameStarted();
  sound->SetCurrentMap(0);
  EXPECT_EQ(ConsoleLines().back(), "tone started playing.");
}

}  // namespace
