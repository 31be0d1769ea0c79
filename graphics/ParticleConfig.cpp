#include "graphics/ParticleConfig.h"

#include "engine/ConfigFile.h"
#include "entity/ValueText.h"

namespace {

constexpr const char* kChannel = "LogicLog";

constexpr RecordFields::Limits kCountLimits = RecordFields::AtLeast(0.0);
constexpr RecordFields::Limits kTimeLimits = RecordFields::AtLeast(0.0);
constexpr RecordFields::Limits kRadiusLimits = RecordFields::AtLeast(0.0);

// The last two values, held as a range named "spacing" in the beam's file.
struct SpacingFields {
  float& maxVal;
  float& variation;
};

template <class Fields>
void VisitFields(Fields& f, SpacingFields& s) {
  f("maxVal", s.maxVal, kRadiusLimits);
  f("variation", s.variation);
}

// The file's record: the configuration in the form its effect reads.
struct ParticleDocument {
  ParticleEmitterConfig& c;
  ParticleConfigForm form;
};

template <class Fields>
void VisitFields(Fields& f, ParticleDocument& d) {
  ParticleEmitterConfig& c = d.c;
  f("textureName", c.textureName);
  f("sizeKeys", c.sizeKeys);
  f("colorKeys", c.colorKeys);
  f("speedKeys", c.speedKeys);
  f("maxCount", c.maxCount, kCountLimits);
  f("maxSpawnDelay", c.maxSpawnDelay, kTimeLimits);
  f("spawnVariation", c.spawnVariation);
  f("maxLife", c.maxLife, kTimeLimits);
  f("lifeVariation", c.lifeVariation);
  if (d.form == ParticleConfigForm::Spacing) {
    SpacingFields spacing{c.maxRadius, c.radiusVariation};
    f("spacing", spacing);
  } else {
    f("maxRadius", c.maxRadius, kRadiusLimits);
    f("radiusVariation", c.radiusVariation);
  }
}

}  // namespace

std::string ParticleConfigPath(const std::string& name) { return "Data/" + name + ".xml"; }

void LoadParticleConfig(const std::string& name, ParticleEmitterConfig& config, ParticleConfigForm form) {
  ParticleDocument document{config, form};
  const std::string path = ParticleConfigPath(name);
  const LoadOutcome loaded =
      LoadRecordFile(document, path, kChannel, WhenMissing::Report, RecordFields::FieldReader::Order::Checked);
  if (!loaded.whole) return;
  auto reportEmpty = [&](const char* list, bool empty, const std::string& used) {
    if (empty) ReportFileValue(path, kChannel, std::string(list) + " is empty: its particles " + used);
  };
  reportEmpty("sizeKeys", config.sizeKeys.empty(), "are " + FloatText(kNoSizeKeys[0].value.maxVal) + " units wide");
  reportEmpty("colorKeys", config.colorKeys.empty(), "are drawn in the texture's own colours");
  reportEmpty("speedKeys", config.speedKeys.empty(), "stay where they appear");
}

const std::vector<FloatKey> kNoSizeKeys{{0.0f, {10.0f, 0.0f}}};
const std::vector<ColorKey> kNoColorKeys{{0.0f, {1.0f, 1.0f, 1.0f, 1.0f}}};
const std::vector<FloatKey> kNoSpeedKeys{{0.0f, {0.0f, 0.0f}}};

void SaveParticleConfig(const std::string& path, const ParticleEmitterConfig& config, ParticleConfigForm form) {
  // The writer only reads the fields it is handed.
  ParticleDocument document{const_cast<ParticleEmitterConfig&>(config), form};
  SaveRecordFile(document, path, kChannel);
}
