#pragma once
#include <map>
#include <string>
#include <vector>

#include "entities/ItemRecord.h"

// The museum's exhibits for one game, reloaded at every game start. The records handed out
// are copies grouped by area, never grown or shrunk until the next load, so the pointers held
// by items, thieves and the tally stay valid for the game.
class ItemStore {
 public:
  static constexpr const char* kPath = "Data/MuseumItems.xml";

  // Records read before a damaged part stay. A missing file is reported on every load and not
  // replaced: an empty list written in its place would hide that the museum lost its exhibits.
  void Load(const std::string& path);
  void Save(const std::string& path) const;

  // The first record of the area (in file order, area names compared exactly) not yet handed
  // out, now marked as handed out; null when none is left.
  ItemRecord* FindFreeItemRecord(const std::string& areaName);

  const std::vector<ItemRecord>& GetLoadedItems() const { return loaded_; }

 private:
  std::vector<ItemRecord> loaded_;
  std::map<std::string, std::vector<ItemRecord>> byArea_;
};
