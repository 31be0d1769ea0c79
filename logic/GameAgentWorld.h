#pragma once
#include "ai/agents/AgentWorld.h"

class GameServices;

// The game as the AI's agents see it: the game logic's thief and lists, the physics' rays, the
// thieves' gear and gadgets, and the level entities, each reached through its own class. What
// happens to a thief goes through its record's verbs. The game logic owns it and the program
// hands it to the AI.
class GameAgentWorld : public AgentWorld {
 public:
  explicit GameAgentWorld(const GameServices& services) : services_(services) {}

  Entity* GetControlledPlayer() const override;
  int32_t GetDifficulty() const override;
  int32_t GetCurrentMapIndex() const override;
  bool IsPlayHeld() const override;
  std::vector<Entity*> GetEntities(const std::string& className) const override;
  bool CastRay(const platform::Vector3& origin, const platform::Vector3& direction, AgentRayHit& hit) const override;
  void MovePlayerToStart(Entity& thief) override;
  Entity* CreateEntity(const std::string& className) override;

  bool CarriesItem(const Entity& thief) const override;
  bool IsInBox(const Entity& agent) const override;
  int32_t GetBoxes(const Entity& thief) const override;
  void SetBoxes(Entity& thief, int32_t boxes) override;
  int32_t GetBattery(const Entity& thief) const override;
  int32_t GetOutfit(const Entity& thief) const override;
  void SetOutfit(Entity& thief, int32_t outfit) override;
  void SetModelVariant(Entity& guard, int32_t variant) override;
  bool IsSmokeTarget(const Entity& guard) const override;
  Entity* GetTouchedTeleporter(const Entity& thief) const override;

  void SelectGadget(Entity& thief, int32_t gadget) override;
  void Fire(Entity& thief) override;
  void FireAt(Entity& thief, const platform::Vector3& point) override;
  void ReturnCarriedItem(Entity& thief) override;
  void Deliver(Entity& dropoff, Entity& thief) override;

  bool IsItemForThieves(const Entity& item) const override;
  bool IsSpawnOccupied(const Entity& spawn) const override;
  bool IsSpawnPlayerOnly(const Entity& spawn) const override;
  bool IsTeleporterBanned(const Entity& teleporter) const override;
  Entity* GetTeleporterTarget(const Entity& teleporter) const override;
  std::string GetFollowOnName(const Entity& target) const override;
  std::string GetTeleporterName(const Entity& teleporter) const override;
  void Teleport(Entity& teleporter, Entity& thief) override;
  bool IsLaserActive(const Entity& laser) const override;
  void DisableLaser(Entity& laser, float seconds) override;
  bool HasReleasedSmoke(const Entity& grenade) const override;
  void PlaySound(const std::string& name, Entity& at) override;

 private:
  const GameServices& services_;
};
