#pragma once

class Entity;
class PhysicalComp;
class PlayerInfo;

// The heist state of a thief (never a guard's), or null for anything else.
PlayerInfo* FindThiefInfo(Entity* entity);
// Where an entity stands, or null when it has no body.
PhysicalComp* FindPhysical(Entity* entity);
