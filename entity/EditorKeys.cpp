#include "entity/EditorKeys.h"

#include "entity/ValueText.h"
#include "entity/XmlWriter.h"

namespace {

const std::string* FindKey(const KeyValueMap& keys, const std::string& name) {
  auto it = keys.find(name);
  return it == keys.end() ? nullptr : &it->second;
}

void WriteDefinition(XmlWriter& writer, const char* element, const std::string& name, const std::string& text) {
  writer.WriteStartElement(element);
  writer.WriteAttribute("key", name);
  writer.WriteAttribute("name", name);
  writer.WriteString(text);
  writer.WriteEndElement();
}

}  // namespace

void KeyValueReadString(const KeyValueMap& keys, const std::string& name, std::string& value) {
  if (const std::string* text = FindKey(keys, name)) value = *text;
}

void KeyValueReadInt(const KeyValueMap& keys, const std::string& name, int& value) {
  if (const std::string* text = FindKey(keys, name)) value = ParseIntText(*text);
}

void EntDefWriteString(XmlWriter& writer, const std::string& name, const std::string& value) {
  WriteDefinition(writer, "string", name, value);
}

void EntDefWriteInt(XmlWriter& writer, const std::string& name, int value) {
  WriteDefinition(writer, "integer", name, std::to_string(value));
}
