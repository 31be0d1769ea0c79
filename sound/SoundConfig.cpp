#include "sound/SoundConfig.h"

#include <strings.h>

#include "engine/Engine.h"
#include "entity/Params.h"
#include "entity/SerException.h"
#include "entity/XmlReader.h"
#include "entity/XmlWriter.h"

namespace {

void LogSound(const std::string& text) { Engine::Get()->GetLog()->Write(kSoundLog, text, 2); }

std::string Describe(const std::string& type, const char* key) {
  return "<" + type + (key ? std::string(" name=\"") + key + "\"" : std::string()) + ">";
}

// Reads the settings in their fixed order. Besides the order, it checks each element's kind
// and, where the file gives one, its name: a file whose elements were moved about is refused
// with a line saying where, instead of being read into the wrong fields.
class ConfigReader {
 public:
  ConfigReader(XmlReader& reader, const std::string& path) : reader_(reader), path_(path) {}

  // Reads the next element's tag, which must be <type name="key">; false when it is
  // self-closing, which leaves the value as it was.
  bool Begin(const char* type, const char* key) {
    reader_.ReadTag();
    if (reader_.IsEndTag()) Fail(Describe(type, key) + " expected, found the end of the element around it");
    const KeyValueMap& attributes = reader_.GetAttributes();
    auto name = attributes.find("name");
    const bool nameDiffers = key && name != attributes.end() && name->second != key;
    // A self-closing tag keeps its slash in its name.
    std::string tag = reader_.GetTagName();
    if (reader_.IsEmptyTag()) tag.pop_back();
    if (tag != type || nameDiffers) {
      Fail(Describe(type, key) + " expected, found " +
           Describe(tag, name == attributes.end() ? nullptr : name->second.c_str()));
    }
    return !reader_.IsEmptyTag();
  }
  void End(const char* type) {
    reader_.ReadTag();
    if (!reader_.IsEndTag()) Fail("<" + reader_.GetTagName() + "> found inside <" + type + ">");
  }

  void Float(const char* key, float& value) {
    if (!Begin("float", key)) return;
    value = Params::ReadNumber(reader_);
    End("float");
  }
  void String(const char* key, std::string& value) {
    if (!Begin("string", key)) return;
    value = reader_.GetText();
    End("string");
  }
  // Only "true" is true. Anything but "true" and "false" is worth a line: "True" reads as false.
  void Flag(const char* key, bool& value, const std::string& owner) {
    if (!Begin("bool", key)) return;
    value = Params::ParseBool(reader_);
    const std::string& text = reader_.GetText();
    if (text != "true" && text != "false") {
      LogSound(path_ + ": " + key + " of \"" + owner + "\" is \"" + text + "\", not true or false: read as false");
    }
    End("bool");
  }

  void Sound(SoundInfo& info) {
    if (!Begin("var", nullptr)) return;
    String("Name", info.Name);
    String("FileName", info.FileName);
    String("Area", info.Area);
    String("Type", info.Type);
    String("Dim", info.Dim);
    Float("Volume", info.Volume);
    Float("Radius", info.Radius);
    Float("Modulation", info.Modulation);
    Flag("Loop", info.Loop, info.Name);
    End("var");
  }

  void Settings(SoundConfig& config) {
    if (!Begin("var", nullptr)) Fail("the settings element is empty");
    Float("BGMVolume", config.BGMVolume);
    Float("SFXVolume", config.SFXVolume);
    if (Begin("list", "SoundList")) {
      config.SoundList.clear();
      while (reader_.HasChildren()) {
        SoundInfo info;
        Sound(info);
        config.SoundList.push_back(std::move(info));
      }
      End("list");
    }
    End("var");
  }

 private:
  [[noreturn]] static void Fail(const std::string& text) { throw SerException(text, SerException::kBadData); }

  XmlReader& reader_;
  const std::string& path_;
};

// A 3D sound heard at full volume only within one unit of its source is almost never heard.
void WarnOfZeroRadius(const SoundConfig& config, const std::string& path) {
  for (const SoundInfo& info : config.SoundList) {
    if (info.Dim == "3D" && !(info.Radius > 0.0f)) {
      LogSound(path + ": the 3D sound \"" + info.Name + "\" has radius " + std::to_string(info.Radius) +
               ", raised to 1: it is heard only right beside its source");
    }
  }
}

void WriteSound(XmlWriter& writer, const SoundInfo& info) {
  writer.WriteStartElement("var");
  XmlWriteNamedString(writer, "Name", info.Name);
  XmlWriteNamedString(writer, "FileName", info.FileName);
  XmlWriteNamedString(writer, "Area", info.Area);
  XmlWriteNamedString(writer, "Type", info.Type);
  XmlWriteNamedString(writer, "Dim", info.Dim);
  Params::WriteNamedFloat(writer, "Volume", info.Volume);
  Params::WriteNamedFloat(writer, "Radius", info.Radius);
  Params::WriteNamedFloat(writer, "Modulation", info.Modulation);
  Params::WriteNamedBool(writer, "Loop", info.Loop);
  writer.WriteEndElement();
}

}  // namespace

SoundInfo SoundConfig::FindSound(const std::string& name) const {
  for (const SoundInfo& info : SoundList) {
    if (info.Name == name) return info;
  }
  for (const SoundInfo& info : SoundList) {
    if (strcasecmp(info.Name.c_str(), name.c_str()) == 0) return info;
  }
  return SoundInfo();
}

void LoadSoundConfig(SoundConfig& config, const std::string& path) {
  try {
    XmlReader reader;
    try {
      reader.Open(path);
      ConfigReader(reader, path).Settings(config);
      reader.Close();
    } catch (const SerException& e) {
      throw SerException(path + ": " + e.what(), e.Code());
    }
  } catch (const SerException& e) {
    LogSound(std::string("Failed to load config. ") + e.what());
    if (e.Code() == SerException::kCouldNotOpen) SaveSoundConfig(config, path);
  }
  WarnOfZeroRadius(config, path);
}

void SaveSoundConfig(const SoundConfig& config, const std::string& path) {
  try {
    XmlWriter writer;
    writer.Open(path);
    writer.WriteStartElement("var");
    Params::WriteNamedFloat(writer, "BGMVolume", config.BGMVolume);
    Params::WriteNamedFloat(writer, "SFXVolume", config.SFXVolume);
    writer.WriteStartElement("list");
    writer.WriteAttribute("name", "SoundList");
    for (const SoundInfo& info : config.SoundList) WriteSound(writer, info);
    writer.WriteEndElement();
    writer.WriteEndElement();
    writer.Close();
  } catch (const std::exception& e) {
    LogSound(std::string("Failed to save config. ") + e.what());
  }
}
