#include <gtest/gtest.h>

#include <fstream>

#include "tests/sound/SoundTestSupport.h"

// The cache of sounds played by name, and files that cannot be played.
namespace {

using soundtest::Rms;
using soundtest::Tone;

class SoundDirectoryTest : public SoundTest {};

TEST_F(SoundDirectoryTest, NamesAreCachedInLowerCaseAndLoggedOnce) {
  WriteSound("alarm.wav", {});
  WriteConfig({Entry("alarm", "alarm.wav")});
  StartSound();
  SoundDirectory& directory = sound->GetDirectory();
  SoundInfo* first = directory.GetOrLoad("Alarm");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(directory.GetOrLoad("alarm"), first);
  ASSERT_NE(directory.Find("alarm"), nullptr);
  EXPECT_EQ(directory.Find("alarm")->useCount, 2);
  EXPECT_EQ(LogLines("AssetsLoaded"), std::vector<std::string>{"Loaded Audio Files/alarm"});
  // A name that already carries the folder is prefixed again, and so not found.
  EXPECT_EQ(directory.GetOrLoad("Audio Files/alarm"), nullptr);
}

TEST_F(SoundDirectoryTest, ANameInTheWrongCaseStillFindsItsSound) {
  WriteSound("alarm.wav", {});
  WriteConfig({Entry("Alarm", "alarm.wav")});
  StartSound();
  sound->Play2D("alarm");
  EXPECT_GT(Rms(Render(0.5).left, 0.0, 0.5), 0.2);
  EXPECT_TRUE(LogLines(kSoundLog).empty());
}

TEST_F(SoundDirectoryTest, TheVolumeIsTheEntrysTimesTheEffectsVolume) {
  WriteSound("tone.wav", {.seconds = 0.5});
  SoundInfo part = Entry("part", "tone.wav");
  part.Volume = 0.5f;
  SoundInfo whole = Entry("whole", "tone.wav");
  whole.Volume = 1.25f;  // times 0.8: full volume
  WriteConfig({part, whole}, 1.0f, 0.8f);
  StartSound();
  sound->Play2D("whole");
  const double full = Rms(Render(0.6).left, 0.1, 0.4);
  sound->Play2D("part");
  EXPECT_NEAR(Rms(Render(0.6).left, 0.1, 0.4) / full, 0.4, 0.01);
}

TEST_F(SoundDirectoryTest, UnplayableFilesAreNamedOnceAndTheGameRunsOnSilent) {
  WriteSound("good.wav", {.seconds = 0.5});
  std::ofstream("Audio Files/empty.wav");
  std::ofstream("Audio Files/corrupt.wav", std::ios::binary) << std::string(4000, '\x5a');
  const std::string good = TempDir::Read("Audio Files/good.wav");
  std::ofstream("Audio Files/truncated.wav", std::ios::binary) << good.substr(0, 30);
  WriteSound("truncated.ogg", {.format = soundtest::Format::kOgg});
  const std::string ogg = TempDir::Read("Audio Files/truncated.ogg");
  std::ofstream("Audio Files/truncated.ogg", std::ios::binary | std::ios::trunc) << ogg.substr(0, 100);
  const std::vector<std::string> bad = {"missing.wav", "empty.wav", "corrupt.wav", "truncated.wav", "truncated.ogg"};
  std::vector<SoundInfo> list;
  for (const std::string& file : bad) list.push_back(Entry(file, file));
  list.push_back(Entry("good", "good.wav"));
  WriteConfig(list);
  StartSound();
  PlacedBody* here = Body({0, 0, 0});
  for (int round = 0; round < 3; ++round) {
    for (const std::string& file : bad) {
      sound->Play2D(file);
      sound->Play3D(file, here);
    }
  }
  EXPECT_LT(Rms(Render(0.3).left, 0.0, 0.3), 1e-4);
  const std::vector<std::string> log = LogLines(kSoundLog);
  ASSERT_EQ(log.size(), bad.size());
  for (size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(log[i].rfind("Could not open sound Audio Files/" + bad[i] + ": ", 0), 0u) << log[i];
  }
  // The rest still plays.
  sound->Play2D("good");
  EXPECT_GT(Rms(Render(0.3).left, 0.0, 0.3), 0.2);
}

TEST_F(SoundDirectoryTest, UnknownAndEmptyNamesPlayNothingWithoutAWord) {
  WriteConfig({});
  StartSound();
  // The start says the list is empty; playing says nothing more.
  const size_t atStart = LogLines(kSoundLog).size();
  sound->Play2D("");
  sound->Play2D("nothing");
  sound->Play3D("nothing", Body({0, 0, 0}));
  EXPECT_EQ(LogLines(kSoundLog).size(), atStart);
  EXPECT_TRUE(LogLines("AssetsLoaded").empty());
}

}  // namespace
