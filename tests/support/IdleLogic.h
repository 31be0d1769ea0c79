#pragma once
#include <string>

#include "entity/EntityManager.h"
#include "player/LogicServices.h"

// A game logic with nothing to say, for objects that must be handed one: a game in progress
// whose round never ends, the user's thief the one in `user`, no lists kept, every report and
// request let go.
class IdleLogic : public LogicServices {
 public:
  bool IsInGame() const override { return true; }
  bool IsRoundOver() const override { return false; }
  bool IsFlyThroughRunning() const override { return false; }
  int32_t GetDifficulty() const override { return 1; }
  int32_t GetGender() const override { return 0; }
  Entity* GetPlayerEntity() const override { return user.Get(); }
  int32_t GetCurrentMapIndex() const override { return 0; }
  bool SetCurrentMap(int32_t) override { return true; }
  void RegisterEntity(const std::string&, const Entity&) override {}
  void UnregisterEntity(const std::string&, const Entity&) override {}
  const EntityList* GetEntities(const std::string&) const override { return nullptr; }
  void MovePlayerToStart(Entity&) override {}
  Entity* CreateGadgetEnt(const std::string&) override { return nullptr; }
  void SetLastTeleporter(const Entity&, const std::string&) override {}
  void StartMapFlyThrough() override {}
  void ReportBusted() override {}
  void ReportItemTaken() override {}
  void ReportItemDelivered() override {}
  void UnfreezeLater(const Entity&, float) override {}
  void RespawnItem(ItemRecord&) override {}

  EntityHandle user;
};
