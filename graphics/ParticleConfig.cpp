#include "graphics/ParticleConfig.h"

#include "engine/ConfigFile.h"
#include "entity/Params.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

constexpr const char* kChannel = "LogicLog";

// The reading idiom of the data files: a tag; unless self-closing, its content and end tag.
template <class Take>
void ReadElement(XmlReader& reader, Take take) {
  reader.ReadTag();
  if (reader.IsEmptyTag() || reader.IsEndTag()) return;
  take();
  reader.ReadTag();
}

void ReadKey(XmlReader& reader, FloatKey& key) {
  Params::ReadFloat(reader, "t", key.t);
  ReadElement(reader, [&] {
    Params::ReadFloat(reader, "maxVal", key.value.maxVal);
    Params::ReadFloat(reader, "variation", key.value.variation);
  });
}

void ReadKey(XmlReader& reader, ColorKey& key) {
  Params::ReadFloat(reader, "t", key.t);
  ReadElement(reader, [&] {
    for (float& channel : key.value) Params::ReadFloat(reader, "", channel);
  });
}

template <class Key>
void ReadKeys(XmlReader& reader, std::vector<Key>& keys) {
  reader.ReadTag();
  if (reader.IsEndTag()) return;
  keys.clear();
  if (reader.IsEmptyTag()) return;
  while (reader.HasChildren()) {
    Key key;
    ReadElement(reader, [&] { ReadKey(reader, key); });
    keys.push_back(key);
  }
  reader.ReadTag();
}

void ReadConfig(XmlReader& reader, ParticleEmitterConfig& c, ParticleConfigForm form) {
  XmlReadNamedString(reader, "textureName", c.textureName);
  ReadKeys(reader, c.sizeKeys);
  ReadKeys(reader, c.colorKeys);
  ReadKeys(reader, c.speedKeys);
  XmlReadNamedInt(reader, "maxCount", c.maxCount);
  Params::ReadFloat(reader, "maxSpawnDelay", c.maxSpawnDelay);
  Params::ReadFloat(reader, "spawnVariation", c.spawnVariation);
  Params::ReadFloat(reader, "maxLife", c.maxLife);
  Params::ReadFloat(reader, "lifeVariation", c.lifeVariation);
  if (form == ParticleConfigForm::Spacing) {
    ReadElement(reader, [&] {
      Params::ReadFloat(reader, "maxVal", c.maxRadius);
      Params::ReadFloat(reader, "variation", c.radiusVariation);
    });
    return;
  }
  Params::ReadFloat(reader, "maxRadius", c.maxRadius);
  Params::ReadFloat(reader, "radiusVariation", c.radiusVariation);
}

void WriteRange(XmlWriter& writer, const std::string& name, float maxVal, float variation) {
  writer.WriteStartElement("var");
  writer.WriteAttribute("name", name);
  Params::WriteNamedFloat(writer, "maxVal", maxVal);
  Params::WriteNamedFloat(writer, "variation", variation);
  writer.WriteEndElement();
}

void WriteKey(XmlWriter& writer, const FloatKey& key) {
  Params::WriteNamedFloat(writer, "t", key.t);
  WriteRange(writer, "value", key.value.maxVal, key.value.variation);
}

void WriteKey(XmlWriter& writer, const ColorKey& key) {
  Params::WriteNamedFloat(writer, "t", key.t);
  writer.WriteStartElement("var");
  writer.WriteAttribute("name", "value");
  for (int i = 0; i < 4; ++i) Params::WriteNamedFloat(writer, std::to_string(i), key.value[i]);
  writer.WriteEndElement();
}

template <class Key>
void WriteKeys(XmlWriter& writer, const std::string& name, const std::vector<Key>& keys) {
  writer.WriteStartElement("list");
  writer.WriteAttribute("name", name);
  for (const Key& key : keys) {
    writer.WriteStartElement("var");
    WriteKey(writer, key);
    writer.WriteEndElement();
  }
  writer.WriteEndElement();
}

void WriteConfig(XmlWriter& writer, const ParticleEmitterConfig& c, ParticleConfigForm form) {
  writer.WriteStartElement("var");
  XmlWriteNamedString(writer, "textureName", c.textureName);
  WriteKeys(writer, "sizeKeys", c.sizeKeys);
  WriteKeys(writer, "colorKeys", c.colorKeys);
  WriteKeys(writer, "speedKeys", c.speedKeys);
  XmlWriteNamedInt(writer, "maxCount", c.maxCount);
  Params::WriteNamedFloat(writer, "maxSpawnDelay", c.maxSpawnDelay);
  Params::WriteNamedFloat(writer, "spawnVariation", c.spawnVariation);
  Params::WriteNamedFloat(writer, "maxLife", c.maxLife);
  Params::WriteNamedFloat(writer, "lifeVariation", c.lifeVariation);
  if (form == ParticleConfigForm::Spacing) {
    WriteRange(writer, "spacing", c.maxRadius, c.radiusVariation);
  } else {
    Params::WriteNamedFloat(writer, "maxRadius", c.maxRadius);
    Params::WriteNamedFloat(writer, "radiusVariation", c.radiusVariation);
  }
  writer.WriteEndElement();
}

}  // namespace

std::string ParticleConfigPath(const std::string& name) { return "Data/" + name + ".xml"; }

void LoadParticleConfig(const std::string& name, ParticleEmitterConfig& config, ParticleConfigForm form) {
  LoadConfigFile(
      ParticleConfigPath(name), kChannel,
      [&](XmlReader& r) { ReadElement(r, [&] { ReadConfig(r, config, form); }); },
      [&](XmlWriter& w) { WriteConfig(w, config, form); });
}

void SaveParticleConfig(const std::string& path, const ParticleEmitterConfig& config, ParticleConfigForm form) {
  SaveConfigFile(path, kChannel, [&](XmlWriter& w) { WriteConfig(w, config, form); });
}
