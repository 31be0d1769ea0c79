#include <gtest/gtest.h>

#include "entity/XmlReader.h"
#include "graphics/ParticleConfig.h"
#include "tests/support/EngineFixture.h"

namespace {

class ParticleConfigTest : public EngineFixture {
 protected:
  ParticleConfigTest() { TempDir::Write("Data/.keep", ""); }

  static ParticleEmitterConfig Sparks() {
    ParticleEmitterConfig c;
    c.textureName = "particles/spark.png";
    c.sizeKeys = {{0.0f, {4.0f, 1.0f}}, {1.0f, {0.5f, 0.0f}}};
    c.colorKeys = {{0.0f, {1.0f, 0.9f, 0.3f, 1.0f}}, {0.5f, {1.0f, 0.5f, 0.1f, 0.8f}}, {1.0f, {0.5f, 0.2f, 0, 0}}};
    c.speedKeys = {{0.0f, {120.0f, 40.0f}}};
    c.maxCount = 24;
    c.maxSpawnDelay = 0.05f;
    c.spawnVariation = 0.02f;
    c.maxLife = 0.6f;
    c.lifeVariation = 0.2f;
    c.maxRadius = 3.0f;
    c.radiusVariation = 1.5f;
    return c;
  }
};

TEST_F(ParticleConfigTest, AConfigurationReadsBackEveryFieldItWasSavedWith) {
  Start();
  const ParticleEmitterConfig saved = Sparks();
  SaveParticleConfig("Data/sparkConfig.xml", saved);
  ParticleEmitterConfig read;
  LoadParticleConfig("sparkConfig", read);
  EXPECT_EQ(read.textureName, saved.textureName);
  ASSERT_EQ(read.sizeKeys.size(), 2u);
  EXPECT_EQ(read.sizeKeys[0].value.maxVal, 4.0f);
  EXPECT_EQ(read.sizeKeys[0].value.variation, 1.0f);
  EXPECT_EQ(read.sizeKeys[1].t, 1.0f);
  ASSERT_EQ(read.colorKeys.size(), 3u);
  EXPECT_EQ(read.colorKeys[1].t, 0.5f);
  EXPECT_FLOAT_EQ(read.colorKeys[1].value[3], 0.8f);
  ASSERT_EQ(read.speedKeys.size(), 1u);
  EXPECT_EQ(read.speedKeys[0].value.maxVal, 120.0f);
  EXPECT_EQ(read.maxCount, 24);
  EXPECT_FLOAT_EQ(read.maxSpawnDelay, 0.05f);
  EXPECT_FLOAT_EQ(read.spawnVariation, 0.02f);
  EXPECT_FLOAT_EQ(read.maxLife, 0.6f);
  EXPECT_FLOAT_EQ(read.lifeVariation, 0.2f);
  EXPECT_FLOAT_EQ(read.maxRadius, 3.0f);
  EXPECT_FLOAT_EQ(read.radiusVariation, 1.5f);
  EXPECT_EQ(LogOf("LogicLog"), "");
}

TEST_F(ParticleConfigTest, TheFileHasTheFixedFormWithNamedValuesAndBareKeys) {
  Start();
  ParticleEmitterConfig c;
  c.textureName = "smoke.png";
  c.sizeKeys = {{0.25f, {2, 1}}};
  SaveParticleConfig("Data/smokeConfig.xml", c);
  const std::string text = TempDir::Read("Data/smokeConfig.xml");
  EXPECT_NE(text.find("<var><string name=\"textureName\">smoke.png</string><list name=\"sizeKeys\"><var>"
                      "<float name=\"t\">0.25</float><var name=\"value\"><float name=\"maxVal\">2</float>"
                      "<float name=\"variation\">1</float></var></var></list><list name=\"colorKeys\"></list>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<int name=\"maxCount\">0</int>"), std::string::npos);
}

TEST_F(ParticleConfigTest, TheTaserBeamFileNamesItsSpacingInsteadOfARadius) {
  Start();
  const ParticleEmitterConfig saved = Sparks();
  SaveParticleConfig("Data/TaserConfig.xml", saved, ParticleConfigForm::Spacing);
  const std::string text = TempDir::Read("Data/TaserConfig.xml");
  EXPECT_NE(text.find("<float name=\"lifeVariation\">0.2</float><var name=\"spacing\"><float name=\"maxVal\">3</float>"
                      "<float name=\"variation\">1.5</float></var></var>"),
            std::string::npos)
      << text;
  ParticleEmitterConfig read;
  LoadParticleConfig("TaserConfig", read, ParticleConfigForm::Spacing);
  EXPECT_FLOAT_EQ(read.maxRadius, 3.0f);
  EXPECT_FLOAT_EQ(read.radiusVariation, 1.5f);
  EXPECT_EQ(read.colorKeys.size(), 3u);
  EXPECT_EQ(LogOf("LogicLog"), "");
}

TEST_F(ParticleConfigTest, AnEmptyKeyListEmptiesTheKeysAndASelfClosingOneKeepsThem) {
  Start();
  TempDir::Write("Data/dustConfig.xml",
                 "<?xml version=\"1.0\"?>\r\n<var><string name=\"textureName\">dust.png</string>"
                 "<list/><list></list><list name=\"speedKeys\"></list>"
                 "<int name=\"maxCount\">5</int><float>1</float><float>0</float><float>2</float><float>0</float>"
                 "<float>7</float><float>0</float></var>");
  ParticleEmitterConfig c = Sparks();
  LoadParticleConfig("dustConfig", c);
  EXPECT_EQ(c.sizeKeys.size(), Sparks().sizeKeys.size());
  EXPECT_TRUE(c.colorKeys.empty());
  EXPECT_TRUE(c.speedKeys.empty());
  EXPECT_EQ(c.textureName, "dust.png");
  EXPECT_EQ(c.maxCount, 5);
  EXPECT_EQ(c.maxRadius, 7.0f);
}

TEST_F(ParticleConfigTest, AMissingFileIsLoggedOnEveryLoadAndNotWrittenBack) {
  Start();
  ParticleEmitterConfig c;
  LoadParticleConfig("PoofConfig", c);
  LoadParticleConfig("PoofConfig", c);
  EXPECT_EQ(LogOf("LogicLog"), "Failed to load config. Data/PoofConfig.xml: could not open file\n"
                               "Failed to load config. Data/PoofConfig.xml: could not open file\n");
  EXPECT_FALSE(TempDir::Exists("Data/PoofConfig.xml"));
  EXPECT_TRUE(c.colorKeys.empty());
  EXPECT_EQ(c.textureName, "");
}

TEST_F(ParticleConfigTest, ABrokenFileIsLoggedAndLeftAlone) {
  Start();
  const std::string broken = "<?xml version=\"1.0\"?><var><string name=\"textureName\">x.png</string><list";
  TempDir::Write("Data/TaserConfig.xml", broken);
  ParticleEmitterConfig c;
  LoadParticleConfig("TaserConfig", c);
  EXPECT_NE(LogOf("LogicLog").find("Failed to load config. "), std::string::npos);
  EXPECT_EQ(TempDir::Read("Data/TaserConfig.xml"), broken);
  EXPECT_EQ(c.textureName, "x.png");
}

// Damaged effect files used to be taken without a word when their numbers were words, their
// values were moved about or cut short, or they held counts and times no emitter can use.
TEST_F(ParticleConfigTest, EveryDamagedFileIsLoggedNamingIt) {
  Start();
  const std::string good = TempDir::Read(std::string(VR_DATA_DIR) + "/Data/dustConfig.xml");
  const std::string count = "<int name=\"maxCount\">60</int>";
  const std::string radius = "<float name=\"maxRadius\">60</float>";
  const std::string variation = "<float name=\"radiusVariation\">40</float>";
  const std::pair<std::string, std::string> damages[] = {
      {count, "<int name=\"maxCount\">seven</int>"},
      {count, "<int name=\"maxCount\">60 or so</int>"},
      {count, "<int name=\"maxCount\">-5</int>"},
      {count, "<float name=\"maxCount\">60</float>"},
      {"<float name=\"maxLife\">3</float>", "<float name=\"maxLife\">-3</float>"},
      {"<float name=\"t\">1</float>", "<float name=\"t\">2</float>"},
      {radius + variation, variation + radius},
      {radius + variation, ""},
      {good.substr(good.find("<var>")), "<var/>"},
      {good.substr(good.find("<var>")), "<var></var>"},
  };
  for (const auto& [part, damaged] : damages) {
    ASSERT_NE(good.find(part), std::string::npos) << part;
    std::string text = good;
    text.replace(text.find(part), part.size(), damaged);
    TempDir::Write("Data/dustConfig.xml", text);
    const size_t before = LogOf("LogicLog").size();
    ParticleEmitterConfig c;
    LoadParticleConfig("dustConfig", c);
    EXPECT_NE(LogOf("LogicLog").find("Data/dustConfig.xml", before), std::string::npos) << damaged;
  }
}

// An emptied key list used to be taken without a word, and its particles drawn with no size,
// no colour, or whatever their pooled records held last.
TEST_F(ParticleConfigTest, EmptiedKeyListsAreSaidWithWhatTheParticlesTakeInstead) {
  Start();
  const std::string good = TempDir::Read(std::string(VR_DATA_DIR) + "/Data/dustConfig.xml");
  auto emptied = [&](std::string text, const std::string& list) {
    const size_t begin = text.find("<list name=\"" + list + "\">");
    const size_t end = text.find("</list>", begin);
    return text.replace(begin, end - begin, "<list name=\"" + list + "\">");
  };
  auto load = [&](const std::string& text) {
    TempDir::Write("Data/dustConfig.xml", text);
    const size_t before = LogOf("LogicLog").size();
    ParticleEmitterConfig c;
    LoadParticleConfig("dustConfig", c);
    EXPECT_FALSE(c.textureName.empty());
    return LogOf("LogicLog").substr(before);
  };
  EXPECT_EQ(load(emptied(good, "sizeKeys")),
            "Data/dustConfig.xml: sizeKeys is empty: its particles are 10 units wide\n");
  EXPECT_EQ(load(emptied(emptied(emptied(good, "sizeKeys"), "colorKeys"), "speedKeys")),
            "Data/dustConfig.xml: sizeKeys is empty: its particles are 10 units wide\n"
            "Data/dustConfig.xml: colorKeys is empty: its particles are drawn in the texture's own colours\n"
            "Data/dustConfig.xml: speedKeys is empty: its particles stay where they appear\n");
  // A file broken before its lists has the failure's line only.
  const std::string cut = good.substr(0, good.find("<list name=\"sizeKeys\">") + 10);
  EXPECT_EQ(load(cut).find("Failed to load config. Data/dustConfig.xml: "), 0u);
  EXPECT_EQ(load(cut).find("is empty"), std::string::npos);
  // The key lists empty in the record, and what its emitters fall back on.
  ParticleEmitterConfig c;
  TempDir::Write("Data/dustConfig.xml", emptied(good, "sizeKeys"));
  LoadParticleConfig("dustConfig", c);
  EXPECT_TRUE(c.sizeKeys.empty());
  ASSERT_EQ(kNoSizeKeys.size(), 1u);
  EXPECT_EQ(kNoSizeKeys[0].value.maxVal, 10.0f);
  EXPECT_EQ(kNoColorKeys[0].value[3], 1.0f);
  EXPECT_EQ(kNoSpeedKeys[0].value.maxVal, 0.0f);
}

TEST_F(ParticleConfigTest, EveryEffectOfTheDemoReadsWithoutComplaint) {
  Start();
  for (const char* name : {"PoofConfig", "sparkConfig", "playerSparkConfig", "smokeTrailConfig", "smokeConfig",
                           "TaserConfig", "TasedConfig", "dustConfig"}) {
    const std::string path = ParticleConfigPath(name);
    TempDir::Write(path, TempDir::Read(std::string(VR_DATA_DIR) + "/" + path));
    const bool beam = std::string(name) == "TaserConfig";
    ParticleEmitterConfig c;
    LoadParticleConfig(name, c, beam ? ParticleConfigForm::Spacing : ParticleConfigForm::Radius);
    EXPECT_FALSE(c.textureName.empty()) << name;
    EXPECT_FALSE(c.colorKeys.empty()) << name;
    EXPECT_GT(c.maxLife, 0.0f) << name;
    // The beam is spaced by its radius, which must stay positive to lay anything.
    if (beam) {
      EXPECT_GT(c.maxRadius - c.radiusVariation, 0.0f);
    }
  }
  EXPECT_EQ(LogOf("LogicLog"), "");
}

}  // namespace
