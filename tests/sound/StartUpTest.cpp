#include <gtest/gtest.h>

#include <filesystem>

#include "map/MapEntityClasses.h"
#include "tests/sound/SoundTestSupport.h"

// Starting the sound system: the settings and lists it reads, the sounds it keeps for itself,
// and a start with no sound device, after which the game runs on silent with one line saying so.
namespace {

class StartUpTest : public SoundTest {};

TEST_F(StartUpTest, MissingSettingsAreWrittenBackAndTheMoneySoundIsLoaded) {
  WriteSound("money.wav", {});
  std::filesystem::remove("Data/AudioTextures.xml");
  StartSound();
  // The settings come back; the list of footstep textures is content and is only named.
  EXPECT_FALSE(TempDir::Exists("Data/AudioTextures.xml"));
  ASSERT_FALSE(LogLines(kSoundLog).empty());
  EXPECT_EQ(LogLines(kSoundLog)[0], "Failed to load config. Data/AudioTextures.xml: could not open file");
  EXPECT_TRUE(TempDir::Exists(kSoundConfigPath));
  EXPECT_TRUE(sound->GetConfig().SoundList.empty());
  ASSERT_NE(sound->GetMusicEmitter(), nullptr);
  ASSERT_NE(sound->GetMoneyEmitter(), nullptr);
  EXPECT_EQ(sound->GetMoneyEmitter()->File, "money");
  EXPECT_TRUE(sound->GetEmitters().empty());
  // Maps may place emitters, which the map loader reaches through their components.
  EXPECT_TRUE(IsMapEntityClass("SoundEmitter"));
  SoundEmitter* placed = CreateEmitter("money", 2);
  EXPECT_EQ(placed->Find<PhysicalComp>(), &placed->physical);
  EXPECT_EQ(placed->Find<MapIndexComp>(), &placed->mapIndexComp);
  EXPECT_EQ(sound->GetEmitters().size(), 1u);
  Engine::Get()->Shutdown();

  WriteConfig({Entry("money", "money.wav")});
  StartSound();
  EXPECT_TRUE(sound->GetMoneyEmitter()->loaded);
  EXPECT_NE(sound->GetDirectory().Find("money"), nullptr);
  EXPECT_FALSE(sound->GetMoneyEmitter()->IsPlaying());
}

TEST_F(StartUpTest, WithNoDeviceTheGameRunsSilentWithOneErrorLine) {
  WriteSound("tone.wav", {});
  std::filesystem::remove("Data/AudioTextures.xml");
  StartSound([](platform::sound::System& system) { return system.Init({100, "no such sound device"}); });
  EXPECT_TRUE(sound->IsSilent());
  const std::vector<std::string> lines = ConsoleLines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "FMOD error! 1   No sound device could be opened."), lines.end());
  ASSERT_EQ(LogLines(kSoundLog).size(), 1u);
  EXPECT_NE(LogLines(kSoundLog)[0].find("no such sound device"), std::string::npos) << LogLines(kSoundLog)[0];
  // No settings were read (so none written back) and the system keeps no emitters.
  EXPECT_FALSE(TempDir::Exists(kSoundConfigPath));
  EXPECT_FALSE(TempDir::Exists("Data/AudioTextures.xml"));
  EXPECT_EQ(sound->GetMusicEmitter(), nullptr);
  EXPECT_EQ(sound->GetMoneyEmitter(), nullptr);

  const size_t consoleLines = ConsoleLines().size();
  SoundEmitter* emitter = CreateEmitter("tone", 0);
  PlacedBody* thief = Body({0, 0, 0});
  Control(thief);
  for (int frame = 0; frame < 20; ++frame) {
    sound->Play2D("tone");
    sound->Play3D("tone", thief);
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
