#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>
#include <vector>

#include "ai/AIActionSets.h"
#include "ai/AIConfig.h"
#include "entities/ItemStore.h"
#include "graphics/ParticleConfig.h"
#include "logic/LogicConfig.h"
#include "physics/InterpNodes.h"
#include "physics/PhysicsSettings.h"
#include "sound/SoundConfig.h"
#include "tests/support/EngineFixture.h"
#include "tests/support/Mutator.h"

// The game's record files under damage, through the game's own loaders: seeded mutants never
// crash a loader, and a damaged number, a value taken out of a record or an emptied file is
// always said in a line that names the file.
namespace {

struct DataFile {
  const char* path;
  const char* channel;
  std::function<void()> load;
};

const std::vector<DataFile>& Files() {
  static const std::vector<DataFile> files = {
      {"Data/LogicConfig.xml", "LogicLog", [] { LogicConfig().Load("Data/LogicConfig.xml"); }},
      {"Data/MuseumItems.xml", "LogicLog", [] { ItemStore().Load("Data/MuseumItems.xml"); }},
      {"Data/AIConfig.xml", kAILog, [] {
         AIConfig config;
         LoadAIConfig(config, "Data/AIConfig.xml");
       }},
      {"Data/ActionConfig.xml", kAILog, [] { AIActionSets().Load("Data/ActionConfig.xml"); }},
      {"Data/SoundConfig.xml", kSoundLog, [] {
         SoundConfig config;
         LoadSoundConfig(config, "Data/SoundConfig.xml");
       }},
      {"Data/dustConfig.xml", "LogicLog", [] {
         ParticleEmitterConfig config;
         LoadParticleConfig("dustConfig", config);
       }},
      {"Data/TaserConfig.xml", "LogicLog", [] {
         ParticleEmitterConfig config;
         LoadParticleConfig("TaserConfig", config, ParticleConfigForm::Spacing);
       }},
      {"Data/PhysicsConfig.xml", "PhysicsLog", [] {
         PhysicsSettings settings;
         LoadPhysicsSettings(settings, "Data/PhysicsConfig.xml");
       }},
      {"Data/InterpNodes.xml", "PhysicsLog", [] {
         InterpNodeTable table;
         LoadInterpNodes(table, "Data/InterpNodes.xml");
       }},
  };
  return files;
}

// A number's text and a named value element, as the files hold them.
const std::regex kNumber(R"(<(float|int)( name="[^"]*")?>([^<]*)</)");
const std::regex kNamedValue(R"(<(float|int|bool|string) name="[^"]*">[^<]*</\1>)");

// Texts no number field takes without a word; the last one only an int field.
const char* kBadNumbers[] = {"seven", "", " ", "nan", "-inf", "1e39", "12abc", "1.#QNAN", "--1", "0x", "99999999999"};

class DataFileFuzzTest : public EngineFixture {
 protected:
  void SetUp() override {
    Bare();
    std::filesystem::create_directory("Data");
  }

  static std::string Shipped(const DataFile& file) { return TempDir::Read(std::string(VR_DATA_DIR) + "/" + file.path); }

  // Loads the text as the file, as the first load of a run: files read again within a run say
  // their faults once. What the load wrote on the file's channel.
  static std::string LoadLines(const DataFile& file, const std::string& text) {
    TempDir::Write(file.path, text);
    Engine::Current()->Shutdown();
    Engine::Instance();
    const std::string log = std::string(file.channel) + ".txt";
    std::filesystem::remove(log);
    file.load();
    std::ifstream in(log);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The positions of every match in the text.
  static std::vector<std::smatch> Matches(const std::string& text, const std::regex& pattern) {
    return {std::sregex_iterator(text.begin(), text.end(), pattern), std::sregex_iterator()};
  }
};

TEST_F(DataFileFuzzTest, TheShippedFilesReadWithoutAWord) {
  for (const DataFile& file : Files()) EXPECT_EQ(LoadLines(file, Shipped(file)), "") << file.path;
}

TEST_F(DataFileFuzzTest, DamagedNumbersValuesTakenOutAndEmptiedFilesAreAlwaysSaid) {
  platform::SeedRandom(28);
  for (int i = 0; i < 1500; ++i) {
    const DataFile& file = Files()[PickBelow(Files().size())];
    std::string text = Shipped(file);
    std::string damage;
    switch (PickBelow(3)) {
      case 0: {
        const std::vector<std::smatch> numbers = Matches(text, kNumber);
        const std::smatch& number = numbers[PickBelow(numbers.size())];
        const bool isInt = number.str(1) == "int";
        const std::string bad = kBadNumbers[PickBelow(std::size(kBadNumbers) - (isInt ? 0 : 1))];
        damage = "the number " + number.str(0) + " made \"" + bad + "\"";
        text.replace(size_t(number.position(3)), size_t(number.length(3)), bad);
        break;
      }
      case 1: {
        const std::vector<std::smatch> values = Matches(text, kNamedValue);
        const std::smatch& value = values[PickBelow(values.size())];
        damage = value.str(0) + " taken out";
        text.erase(size_t(value.position(0)), size_t(value.length(0)));
        break;
      }
      default: {
        // A list of records emptied is a short list; a record emptied holds none of its values.
        const size_t body = text.find('<', text.find("?>"));
        if (text.compare(body, 5, "<var>") != 0) continue;
        damage = PickBelow(2) ? "<var/>" : "<var></var>";
        text.replace(body, std::string::npos, damage);
        break;
      }
    }
    const std::string lines = LoadLines(file, text);
    ASSERT_NE(lines.find(file.path), std::string::npos) << file.path << ": " << damage << " was taken without a word";
  }
}

TEST_F(DataFileFuzzTest, MutatedFilesNeverCrashALoader) {
  const MutationLimits limits{6, 16, 64, {"<", ">", "/", "<var>", "</var>", "<var/>", "<list>", "</list>", "nan",
                                          "-1", "1e39", "seven", "<float>", "</float>", "<int>", "</int>"}};
  platform::SeedRandom(2028);
  for (int i = 0; i < 2000; ++i) {
    const DataFile& file = Files()[PickBelow(Files().size())];
    LoadLines(file, Mutate(Shipped(file), limits));
  }
}

}  // namespace
