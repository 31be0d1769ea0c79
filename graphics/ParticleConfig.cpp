#include "graphics/ParticleConfig.h"

#include <cfloat>
#include <climits>

#include "engine/ConfigFile.h"

namespace {

constexpr const char* kChannel = "LogicLog";

constexpr RecordFields::Limits kCountLimits{0.0, INT_MAX};
constexpr RecordFields::Limits kTimeLimits{0.0, FLT_MAX};

// The last two values, held as a range named "spacing" in the beam's file.
struct SpacingFields {
  float& maxVal;
  float& variation;
};

template <class Fields>
void VisitFields(Fields& f, SpacingFields& s) {
  f("maxVal", s.maxVal);
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
    f("maxRadius", c.maxRadius);
    f("radiusVariation", c.radiusVariation);
  }
}

}  // namespace

std::string ParticleConfigPath(const std::string& name) { return "Data/" + name + ".xml"; }

void LoadParticleConfig(const std::string& name, ParticleEmitterConfig& config, ParticleConfigForm form) {
  ParticleDocument document{config, form};
  LoadRecordFile(document, ParticleConfigPath(name), kChannel, WhenMissing::Report,
                 RecordFields::FieldReader::Order::Checked);
}

void SaveParticleConfig(const std::string& path, const ParticleEmitterConfig& config, ParticleConfigForm form) {
  // The writer only reads the fields it is handed.
  ParticleDocument document{const_cast<ParticleEmitterConfig&>(config), form};
  SaveRecordFile(document, path, kChannel);
}
