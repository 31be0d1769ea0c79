#pragma once
#include <cstdint>

#include "entity/Component.h"

// Which loaded map of the museum the owner belongs to, found as "MapIndexComp": the index in
// the game's map list, written by whoever places the entity (map loader, item spawner, game
// start, teleporter, AI reset) and compared with the current map's index.
class MapIndexComp : public Component {
 public:
  static constexpr char kComponentName[] = "MapIndexComp";
  MapIndexComp() = default;
  ~MapIndexComp() override;
  MapIndexComp(const MapIndexComp&) = delete;
  MapIndexComp& operator=(const MapIndexComp&) = delete;

  // Registers with the physics system.
  void Activate() override;

  uint32_t mapIndex = 0;
};
