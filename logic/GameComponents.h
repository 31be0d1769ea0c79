#pragma once
#include "entity/Entity.h"
#include "graphics/Camera.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/PlayerInfo.h"

// The components of game entities that the game logic reads and moves.
inline PhysicalComp* FindPhysical(Entity& e) { return e.Find<PhysicalComp>(); }
inline MapIndexComp* FindMapIndex(Entity& e) { return e.Find<MapIndexComp>(); }
inline PlayerInfo* FindPlayerInfo(Entity& e) { return e.Find<PlayerInfo>(); }
inline Camera* FindCamera(Entity& e) { return e.Find<Camera>(); }
