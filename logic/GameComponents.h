#pragma once
#include "entity/Entity.h"
#include "graphics/Camera.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/PlayerInfo.h"

// The components of game entities that the game logic reads and moves, found by their names.
template <class C>
C* FindComponent(Entity& entity, const char* name) {
  return dynamic_cast<C*>(entity.GetComponent(name));
}
inline PhysicalComp* FindPhysical(Entity& e) { return FindComponent<PhysicalComp>(e, "Physical"); }
inline MapIndexComp* FindMapIndex(Entity& e) { return FindComponent<MapIndexComp>(e, "MapIndexComp"); }
inline PlayerInfo* FindPlayerInfo(Entity& e) { return FindComponent<PlayerInfo>(e, "PlayerInfo"); }
inline Camera* FindCamera(Entity& e) { return FindComponent<Camera>(e, "Camera"); }
