#pragma once
#include "entity/EntityClass.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "player/GameServices.h"

// Where a thief enters the museum at a game's start and after every bust. The game logic keeps
// the starts in its "PlayerStart" list and hands them out in turn; the map loader makes them
// from the first map only. A pose only: thieves walk through it.
class PlayerStart : public EntityClass<PlayerStart> {
 public:
  static constexpr char kClassName[] = "PlayerStart";
  static void Describe(ClassBuilder<PlayerStart>& c);

  explicit PlayerStart(const GameServices& services);
  ~PlayerStart() override;
  void OnCreate() override;

  PhysicalComp physical;
  MapIndexComp mapIndex;

 private:
  const GameServices services_;
};
