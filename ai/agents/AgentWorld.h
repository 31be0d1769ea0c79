#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/math/Vector.h"

class Entity;

// What the first thing a ray from an agent meets is.
struct AgentRayHit {
  float distance = 0;
  // Null for the map and for shapes of no entity.
  Entity* entity = nullptr;
};

// The game around the agents, as they ask of it: the thief under the user's control, the
// difficulty, the running game's entities by class, the thieves' gear and gadgets, the level
// entities they use (items, drop-offs, teleporters, trip lasers, smoke bombs) and the sounds
// they make. The thieves, the level entities and the game logic sit beside or above the AI, so
// the program hands this in; tests give a recording one.
class AgentWorld {
 public:
  virtual ~AgentWorld() = default;

  virtual Entity* GetControlledPlayer() const = 0;
  // As the settings give it; the AI keeps it to 1 .. 3 itself.
  virtual int32_t GetDifficulty() const = 0;
  // The index of the current map (the one whose entities the game start is making), -1 while
  // none is current.
  virtual int32_t GetCurrentMapIndex() const = 0;
  // A bust or time-up, or a map's camera fly-through: the agents stand still.
  virtual bool IsPlayHeld() const = 0;
  // The live entities of the class ("Item", "ItemSpawn", "ItemDropoff", "Teleporter",
  // "TripLaser", "Battery", "SmokeGrenade"), in registration order; empty when none.
  virtual std::vector<Entity*> GetEntities(const std::string& className) const = 0;
  // The first hit of a ray of unlimited length; false when it meets nothing.
  virtual bool CastRay(const platform::Vector3& origin, const platform::Vector3& direction,
                       AgentRayHit& hit) const = 0;
  // Stands the thief on the next player start in turn, its gadget stock refilled.
  virtual void MovePlayerToStart(Entity& thief) = 0;
  // A new entity of the class, set up; null when it cannot be made.
  virtual Entity* CreateEntity(const std::string& className) = 0;

  // A thief's or a guard's gear.
  virtual bool CarriesItem(const Entity& thief) const = 0;
  virtual bool IsInBox(const Entity& agent) const = 0;
  virtual int32_t GetBoxes(const Entity& thief) const = 0;
  virtual void SetBoxes(Entity& thief, int32_t boxes) = 0;
  virtual int32_t GetBattery(const Entity& thief) const = 0;
  virtual int32_t GetOutfit(const Entity& thief) const = 0;
  virtual void SetOutfit(Entity& thief, int32_t outfit) = 0;
  // 0 walking guard, 1 sleeper, 2 watcher: the model drawn and whether the taser stuns it.
  virtual void SetModelVariant(Entity& guard, int32_t variant) = 0;
  // Guards a computer thief smokes rather than tases.
  virtual bool IsSmokeTarget(const Entity& guard) const = 0;
  // The teleporter the thief stands at, or null.
  virtual Entity* GetTouchedTeleporter(const Entity& thief) const = 0;

  // A thief's gadgets: 0 taser, 1 smoke grenade, 2 box.
  virtual void SelectGadget(Entity& thief, int32_t gadget) = 0;
  virtual void Fire(Entity& thief) = 0;
  virtual void FireAt(Entity& thief, const platform::Vector3& point) = 0;

  // The carried item goes back to its spawn; the carried model goes; the thief carries nothing.
  virtual void ReturnCarriedItem(Entity& thief) = 0;
  // The drop-off takes the thief's item and credits its worth.
  virtual void Deliver(Entity& dropoff, Entity& thief) = 0;

  // An item's record sits at an occupied spawn that computer thieves may take from.
  virtual bool IsItemForThieves(const Entity& item) const = 0;
  virtual bool IsSpawnOccupied(const Entity& spawn) const = 0;
  // A spawn whose item only the user's thief may take.
  virtual bool IsSpawnPlayerOnly(const Entity& spawn) const = 0;
  virtual bool IsTeleporterBanned(const Entity& teleporter) const = 0;
  virtual Entity* GetTeleporterTarget(const Entity& teleporter) const = 0;
  // The name a target gives the next teleporter of a chain ("" for none), and a teleporter's name.
  virtual std::string GetFollowOnName(const Entity& target) const = 0;
  virtual std::string GetTeleporterName(const Entity& teleporter) const = 0;
  virtual void Teleport(Entity& teleporter, Entity& thief) = 0;
  virtual bool IsLaserActive(const Entity& laser) const = 0;
  virtual void DisableLaser(Entity& laser, float seconds) = 0;
  virtual bool HasReleasedSmoke(const Entity& grenade) const = 0;

  // A sound of the sound list, heard at the entity.
  virtual void PlaySound(const std::string& name, Entity& at) = 0;
};
