#include "logic/MuseumMaps.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "map/BspMap.h"
#include "physics/Physics.h"
#include "sound/Sound.h"

MuseumMaps::MuseumMaps(Engine& engine) : engine_(engine), defaultMap_(std::make_unique<BspMap>()) {}
MuseumMaps::~MuseumMaps() = default;

// A start that failed half-way leaves maps behind; a later start must not add its maps after
// them, or the indices stored in the maps would no longer be their places in the list.
void MuseumMaps::Load(const std::vector<std::string>& names) {
  SetCurrent(-1);
  maps_.clear();
  names_.clear();
  for (const std::string& name : names) {
    auto& map = maps_.emplace_back(std::make_unique<BspMap>());
    names_.push_back(name);
    map->SetMapIndex(static_cast<int32_t>(maps_.size()) - 1);
    map->Load("Maps/" + name);
  }
}

void MuseumMaps::Release() {
  for (auto& map : maps_) map->Reset();
  maps_.clear();
  names_.clear();
  current_ = -1;
}

BspMap& MuseumMaps::GetCurrent() { return current_ < 0 ? *defaultMap_ : *maps_[static_cast<size_t>(current_)]; }

bool MuseumMaps::SetCurrent(int32_t index) {
  if (index < -1 || index >= static_cast<int32_t>(maps_.size())) return false;
  current_ = index;
  if (Sound* sound = engine_.GetSound()) sound->SetCurrentMap(index);
  BspMap& map = GetCurrent();
  Graphics* graphics = engine_.GetGraphics();
  if (graphics) graphics->SetCurrentMap(&map);
  if (Physics* physics = engine_.GetPhysics()) physics->SetCurrentMap(&map);
  if (graphics && index >= 0) graphics->ApplyMapChangeInfo(GetName(index));
  return true;
}
