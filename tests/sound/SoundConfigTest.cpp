#include <gtest/gtest.h>

#include <random>

#include "tests/sound/SoundTestSupport.h"

// "Data/SoundConfig.xml": defaults written back, round trips, damaged files refused with a line
// naming the file, and the sound-list lookup.
namespace {

class SoundConfigTest : public SoundTest {
 protected:
  SoundConfigTest() { Bare(); }

  static const char* Header() { return "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"; }
  static std::string Sound(const std::string& name, const std::string& loop = "false",
                           const std::string& dim = "2D", const std::string& radius = "1") {
    return "<var><string name=\"Name\">" + name + "</string><string name=\"FileName\">" + name +
           ".wav</string><string name=\"Area\"></string><string name=\"Type\">SFX</string><string name=\"Dim\">" +
           dim + "</string><float name=\"Volume\">0.5</float><float name=\"Radius\">" + radius +
           "</float><float name=\"Modulation\">0</float><bool name=\"Loop\">" + loop + "</bool></var>";
  }
  static std::string Volumes() { return "<float name=\"BGMVolume\">0.25</float><float name=\"SFXVolume\">0.75</float>"; }
  static std::string List(const std::string& sounds) { return "<list name=\"SoundList\">" + sounds + "</list>"; }

  // Loads `text` as the settings file into a record that starts from the defaults.
  SoundConfig Load(const std::string& text) {
    TempDir::Write(kSoundConfigPath, text);
    SoundConfig config;
    LoadSoundConfig(config, kSoundConfigPath);
    return config;
  }
  static std::vector<std::string> Log() { return LogLines(kSoundLog); }
};

const char* kNoSounds = "Data/SoundConfig.xml: the list SoundList is empty: no music or sound effect plays";

// The written file has no sounds, so every later start says so: the user learns where the music
// went.
TEST_F(SoundConfigTest, AMissingFileIsWrittenBackAtFullVolumeWithNoSoundsSaidOnEveryLoad) {
  SoundConfig config;
  LoadSoundConfig(config, kSoundConfigPath);
  EXPECT_EQ(Log(), (std::vector<std::string>{"Failed to load config. Data/SoundConfig.xml: could not open file", kNoSounds}));
  EXPECT_EQ(TempDir::Read(kSoundConfigPath),
            std::string(Header()) +
                "<var><float name=\"BGMVolume\">1</float><float name=\"SFXVolume\">1</float>"
                "<list name=\"SoundList\"></list></var>");
  SoundConfig again;
  LoadSoundConfig(again, kSoundConfigPath);
  EXPECT_EQ(Log().size(), 3u);
  EXPECT_EQ(Log().back(), kNoSounds);
}

TEST_F(SoundConfigTest, SettingsRoundTripInFileOrder) {
  SoundConfig config = Load(Header() + std::string("<var>") + Volumes() +
                            List(Sound("alarm") + Sound("snore", "true", "3D", "150")) + "</var>");
  EXPECT_TRUE(Log().empty());
  EXPECT_FLOAT_EQ(config.BGMVolume, 0.25f);
  EXPECT_FLOAT_EQ(config.SFXVolume, 0.75f);
  ASSERT_EQ(config.SoundList.size(), 2u);
  const SoundInfo& snore = config.SoundList[1];
  EXPECT_EQ(snore.Name, "snore");
  EXPECT_EQ(snore.FileName, "snore.wav");
  EXPECT_EQ(snore.Area, "");
  EXPECT_EQ(snore.Type, "SFX");
  EXPECT_EQ(snore.Dim, "3D");
  EXPECT_FLOAT_EQ(snore.Volume, 0.5f);
  EXPECT_FLOAT_EQ(snore.Radius, 150.0f);
  EXPECT_TRUE(snore.Loop);
  const std::string written = TempDir::Read(kSoundConfigPath);
  SaveSoundConfig(config, "Data/Again.xml");
  EXPECT_EQ(TempDir::Read("Data/Again.xml"), written);
}

TEST_F(SoundConfigTest, DamagedFilesAreLoggedByNameKeepWhatWasReadAndAreNotRewritten) {
  struct Case {
    std::string text, error;
    size_t sounds;  // entries read before the fault
    float bgm;      // the music volume afterwards
  };
  const std::string whole = std::string(Header()) + "<var>" + Volumes() + List(Sound("alarm") + Sound("snore")) + "</var>";
  const std::vector<Case> cases = {
      // The list before the volumes.
      {"<var>" + List(Sound("alarm")) + Volumes() + "</var>",
       "<float name=\"BGMVolume\"> expected, found <list name=\"SoundList\">", 0, 1.0f},
      // Two values swapped inside an entry.
      {"<var>" + Volumes() +
           List(Sound("alarm") + "<var><string name=\"FileName\">a.wav</string><string name=\"Name\">a</string></var>") +
           "</var>",
       "<string name=\"Name\"> expected, found <string name=\"FileName\">", 1, 0.25f},
      // Cut off in the middle of the second entry.
      {whole.substr(std::string(Header()).size(), whole.size() - 200), "error reading XML tag", 1, 0.25f},
      // An entry that stops short.
      {"<var>" + Volumes() + List("<var><string name=\"Name\">a</string></var>") + "</var>",
       "<string name=\"FileName\"> expected, found the end of the element around it", 0, 0.25f},
  };
  for (const Case& c : cases) {
    const size_t before = Log().size();
    const std::string text = Header() + c.text;
    SoundConfig config = Load(text);
    // A list left empty is said as well.
    ASSERT_EQ(Log().size(), before + (c.sounds == 0 ? 2 : 1)) << c.text;
    EXPECT_EQ(Log()[before].rfind("Failed to load config. Data/SoundConfig.xml: " + c.error + " at line 2, column ", 0), 0u)
        << Log()[before];
    EXPECT_EQ(config.SoundList.size(), c.sounds) << c.text;
    EXPECT_FLOAT_EQ(config.BGMVolume, c.bgm);
    EXPECT_EQ(TempDir::Read(kSoundConfigPath), text);
  }
}

TEST_F(SoundConfigTest, ASelfClosingFileKeepsTheDefaults) {
  SoundConfig config = Load(Header() + std::string("<var/>"));
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "Failed to load config. Data/SoundConfig.xml: the document's element is empty at line 2, column 7",
                       kNoSounds}));
  EXPECT_FLOAT_EQ(config.BGMVolume, 1.0f);
  EXPECT_TRUE(config.SoundList.empty());
  // Self-closing values leave theirs unchanged.
  config = Load(Header() + std::string("<var><float/><float name=\"SFXVolume\">0.5</float><list/></var>"));
  EXPECT_FLOAT_EQ(config.BGMVolume, 1.0f);
  EXPECT_FLOAT_EQ(config.SFXVolume, 0.5f);
}

TEST_F(SoundConfigTest, AFlagOtherThanTrueOrFalseReadsAsFalseWithALine) {
  SoundConfig config = Load(Header() + std::string("<var>") + Volumes() + List(Sound("snore", "True")) + "</var>");
  ASSERT_EQ(config.SoundList.size(), 1u);
  EXPECT_FALSE(config.SoundList[0].Loop);
  EXPECT_EQ(Log(), std::vector<std::string>{
                       "Data/SoundConfig.xml: SoundList[0].Loop is \"True\", not true or false: read as false"});
}

TEST_F(SoundConfigTest, VolumesThatAreNoVolumesKeepTheirValueWithALineEach) {
  SoundConfig config = Load(Header() + std::string("<var><float name=\"BGMVolume\">1.#QNAN</float>"
                                                   "<float name=\"SFXVolume\">1e20</float>") +
                            List("<var><string>a</string><string/><string/><string/><string/>"
                                 "<float name=\"Volume\">-1</float><float/><float/><bool/></var>") +
                            "</var>");
  EXPECT_FLOAT_EQ(config.BGMVolume, 1.0f);
  EXPECT_FLOAT_EQ(config.SFXVolume, 1.0f);
  ASSERT_EQ(config.SoundList.size(), 1u);
  EXPECT_FLOAT_EQ(config.SoundList[0].Volume, 1.0f);
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "Data/SoundConfig.xml: BGMVolume \"1.#QNAN\" is not a finite number: kept 1",
                       "Data/SoundConfig.xml: SFXVolume 1e+20 is outside 0 to 1: kept 1",
                       "Data/SoundConfig.xml: SoundList[0].Volume -1 is outside 0 to 10: kept 1",
                   }));
}

TEST_F(SoundConfigTest, A3DSoundWithRadiusZeroIsNamed) {
  Load(Header() + std::string("<var>") + Volumes() + List(Sound("flat", "false", "2D", "0") + Sound("snore", "false", "3D", "0")) +
       "</var>");
  ASSERT_EQ(Log().size(), 1u);
  EXPECT_EQ(Log()[0].rfind("Data/SoundConfig.xml: the 3D sound \"snore\" has radius 0", 0), 0u) << Log()[0];
}

TEST_F(SoundConfigTest, FindSoundPrefersTheExactNameThenIgnoresCase) {
  SoundConfig config;
  config.SoundList = {Entry("Alarm", "first.wav"), Entry("alarm", "second.wav"), Entry("Snore", "snore.wav")};
  EXPECT_EQ(config.FindSound("alarm").FileName, "second.wav");
  EXPECT_EQ(config.FindSound("Alarm").FileName, "first.wav");
  EXPECT_EQ(config.FindSound("snore").FileName, "snore.wav");
  const SoundInfo unknown = config.FindSound("bang");
  EXPECT_EQ(unknown.Name, "");
  EXPECT_EQ(unknown.FileName, "");
  EXPECT_FALSE(unknown.sound.IsValid());
}

// Damaged copies of the demo's sound list, the same on every run: each load ends with the
// settings in some state and the game going on, never a crash or a rewrite of the file.
TEST_F(SoundConfigTest, MutatedSoundListsNeverCrashTheLoader) {
  const std::string original = TempDir::Read(VR_DATA_DIR "/Data/SoundConfig.xml");
  std::mt19937 random(20261206);
  for (int round = 0; round < 600; ++round) {
    std::string text = original;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = random() % text.size();
      switch (random() % 4) {
        case 0: text[at] = static_cast<char>(random() % 256); break;
        case 1: text.erase(at, 1 + random() % 40); break;
        case 2: text.insert(at, text.substr(random() % text.size(), 1 + random() % 60)); break;
        default: text.resize(at); break;
      }
    }
    SoundConfig config = Load(text);
    EXPECT_LE(config.SoundList.size(), 23u + 10u);
    ASSERT_EQ(TempDir::Read(kSoundConfigPath), text);
  }
}

}  // namespace
