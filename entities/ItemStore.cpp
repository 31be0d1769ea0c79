#include "entities/ItemStore.h"

#include "engine/ConfigFile.h"
#include "engine/Engine.h"

namespace {

const char* kLogicLog = "LogicLog";

// The file's record: the list of exhibits.
struct ItemDocument {
  std::vector<ItemRecord>& loadedItems;
};

template <class Fields>
void VisitFields(Fields& f, ItemDocument& d) {
  f("loadedItems", d.loadedItems);
}

}  // namespace

void ItemStore::Load(const std::string& path) {
  loaded_.clear();
  byArea_.clear();
  ItemDocument document{loaded_};
  if (!LoadRecordFile(document, path, kLogicLog, WhenMissing::Report))
    Engine::Get()->GetLog()->Write(kLogicLog, path + " is missing: the museum shows no exhibits in this game", 2);
  else if (loaded_.empty())
    ReportEmptyList(path, kLogicLog, "loadedItems", "the museum shows no exhibits in this game");
  for (const ItemRecord& record : loaded_) byArea_[record.areaName].push_back(record);
}

void ItemStore::Save(const std::string& path) const {
  // The writer only reads the records it is handed.
  const ItemDocument document{const_cast<std::vector<ItemRecord>&>(loaded_)};
  SaveRecordFile(document, path, kLogicLog);
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
