#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "entity/RecordFields.h"

// A value drawn per particle: maxVal less a random amount between 0 and variation.
struct RangeValue {
  float maxVal = 0.0f;
  float variation = 0.0f;
};

// A point of a curve over a particle's life; t runs from 0 (birth) to 1 (death).
struct FloatKey {
  float t = 0.0f;
  RangeValue value;
};

struct ColorKey {
  float t = 0.0f;
  float value[4] = {0, 0, 0, 0};  // r, g, b, a
};

// One particle effect as its file "Data/" + name + ".xml" describes it.
struct ParticleEmitterConfig {
  virtual ~ParticleEmitterConfig() = default;

  std::vector<ColorKey> colorKeys;
  std::vector<FloatKey> sizeKeys;
  std::vector<FloatKey> speedKeys;
  int32_t maxCount = 0;
  float maxSpawnDelay = 0.0f;
  float spawnVariation = 0.0f;
  float maxLife = 0.0f;
  float lifeVariation = 0.0f;
  std::string textureName;
  float maxRadius = 0.0f;
  float radiusVariation = 0.0f;
};

// How the file holds the last two values. The taser's beam file names them "spacing", one
// "var" holding "maxVal" and "variation", since the beam spaces its particles by them; every
// other effect has "maxRadius" and "radiusVariation" as two floats.
enum class ParticleConfigForm { Radius, Spacing };

template <class Fields>
void VisitFields(Fields& f, RangeValue& r) {
  f("maxVal", r.maxVal);
  f("variation", r.variation);
}

// A key's time is a point of the particle's life, from birth to death.
inline constexpr RecordFields::Limits kKeyTimeLimits{0.0, 1.0};

template <class Fields>
void VisitFields(Fields& f, FloatKey& k) {
  f("t", k.t, kKeyTimeLimits);
  f("value", k.value);
}

template <class Fields>
void VisitFields(Fields& f, ColorKey& k) {
  f("t", k.t, kKeyTimeLimits);
  f("value", k.value);
}

// What a particle follows where its file leaves a key list empty: without keys its size, colour
// and speed would be whatever its pooled record held last, or nothing, which draws no particle.
// The record keeps its lists as read; the emitter falls back, and loading says so, once per
// file read.
extern const std::vector<FloatKey> kNoSizeKeys;
extern const std::vector<ColorKey> kNoColorKeys;
extern const std::vector<FloatKey> kNoSpeedKeys;

// "Data/" + name + ".xml".
std::string ParticleConfigPath(const std::string& name);
// Never throws: a failure is logged on "LogicLog", naming the file, and the record keeps whatever
// was read. Besides their order, the elements' kinds and names are checked, so that values moved
// about or of the wrong kind are refused rather than read into the wrong fields; counts, times,
// radii and key times an emitter cannot use (below zero, key times beyond 0 to 1) keep their
// values and are logged, and so is each key list the file leaves empty. An effect file is
// content: a missing one is reported each time it is looked for, not written.
void LoadParticleConfig(const std::string& name, ParticleEmitterConfig& config,
                        ParticleConfigForm form = ParticleConfigForm::Radius);
void SaveParticleConfig(const std::string& path, const ParticleEmitterConfig& config,
                        ParticleConfigForm form = ParticleConfigForm::Radius);
