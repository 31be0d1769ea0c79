#pragma once
#include <string>

#include "entity/EntityManager.h"
#include "entity/RecordFields.h"

// One exhibit of "Data/MuseumItems.xml": the model that shows it, its sprite, the museum area
// whose spawns may show it and what delivering it is worth. Items, carrying thieves and the
// round's tally point at the store's copies for the whole game.
struct ItemRecord {
  std::string modelName;
  std::string spriteName;
  std::string areaName;
  int worth = 0;
  // Handed to a spawn in this game; only the next load clears it.
  bool inUse = false;
  // The spawn the record was handed to: its items always appear there.
  EntityHandle placement;
};

template <class Fields>
void VisitFields(Fields& f, ItemRecord& r) {
  f("ModelName", r.modelName);
  f("SpriteName", r.spriteName);
  f("AreaName", r.areaName);
  // A worth below nothing would take score away from the thief who delivers it.
  f("Worth", r.worth, RecordFields::AtLeast(0.0));
}
