#include "entities/ItemStore.h"

#include "engine/ConfigFile.h"
#include "engine/Engine.h"
#include "graphics/RecordFields.h"

namespace {

const char* kLogicLog = "LogicLog";

void WriteItems(XmlWriter& writer, const std::vector<ItemRecord>& items) {
  writer.WriteStartElement("var");
  writer.WriteStartElement("list");
  writer.WriteAttribute("name", "loadedItems");
  for (const ItemRecord& record : items) RecordFields::WriteRecord(writer, record);
  writer.WriteEndElement();
  writer.WriteEndElement();
}

}  // namespace

void ItemStore::Load(const std::string& path) {
  loaded_.clear();
  byArea_.clear();
  const bool opened = LoadConfigFile(
      path, kLogicLog,
      [this](XmlReader& reader) {
        reader.ReadTag();
        if (reader.IsEmptyTag()) return;
        RecordFields::ReadList(reader, loaded_);
        reader.ReadTag();
      },
      {});
  if (!opened)
    Engine::Get()->GetLog()->Write(kLogicLog, path + " is missing: the museum shows no exhibits in this game", 2);
  for (const ItemRecord& record : loaded_) byArea_[record.areaName].push_back(record);
}

void ItemStore::Save(const std::string& path) const {
  SaveConfigFile(path, kLogicLog, [this](XmlWriter& w) { WriteItems(w, loaded_); });
}

ItemRecord* ItemStore::FindFreeItemRecord(const std::string& areaName) {
  auto area = byArea_.find(areaName);
  if (area == byArea_.end()) return nullptr;
  for (ItemRecord& record : area->second) {
    if (record.inUse) continue;
    record.inUse = true;
    return &record;
  }
  return nullptr;
}
