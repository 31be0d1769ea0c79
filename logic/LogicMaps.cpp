// The museum's loaded maps and which of them is current.
#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "logic/Logic.h"
#include "map/BspMap.h"
#include "physics/Physics.h"
#include "sound/Sound.h"

// A start that failed half-way leaves maps behind; a later start must not add its maps after
// them, or the indices stored in the maps would no longer be their places in the list.
void Logic::LoadMaps(const std::vector<std::string>& names) {
  SetCurrentMap(-1);
  maps_.clear();
  mapNames_.clear();
  for (const std::string& name : names) {
    auto& map = maps_.emplace_back(std::make_unique<BspMap>());
    mapNames_.push_back(name);
    map->SetMapIndex(static_cast<int32_t>(maps_.size()) - 1);
    map->Load("Maps/" + name);
  }
}

BspMap& Logic::GetCurrentMap() {
  return currentMap_ < 0 ? *defaultMap_ : *maps_[static_cast<size_t>(currentMap_)];
}

bool Logic::SetCurrentMap(int32_t index) {
  if (index < -1 || index >= static_cast<int32_t>(maps_.size())) return false;
  currentMap_ = index;
  Engine* engine = Engine::Get();
  if (Sound* sound = engine->GetSound()) sound->SetCurrentMap(index);
  BspMap& map = GetCurrentMap();
  Graphics* graphics = engine->GetGraphics();
  if (graphics) graphics->SetCurrentMap(&map);
  if (Physics* physics = engine->GetPhysics()) physics->SetCurrentMap(&map);
  if (graphics && index >= 0) graphics->ApplyMapChangeInfo(GetMapName(index));
  return true;
}
