#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"

// One numbered point of a guard's patrol: the points of one path number, in Id order, make one
// guard's route, each with its pause and facing. Path numbers are per map: a map's 0 to 9
// become 10 x map index + 0 to 9 as the point starts.
class GuardPatrolPath : public EntityClass<GuardPatrolPath> {
 public:
  static constexpr char kClassName[] = "GuardPatrolPath";
  static void Describe(ClassBuilder<GuardPatrolPath>& c);

  GuardPatrolPath() { physical.createActor = 0; }
  void OnCreate() override;

  int32_t mapIndex = 0;
  PhysicalComp physical;
  int32_t PathNum = 0;
  int32_t Id = 0;
  float PauseDuration = 0.0f;
  // "north", "south", "east" or "west"; anything else keeps the guard's facing.
  std::string Direction;
  // "invincible" or "dead" choose the guard's start.
  std::string Type;
};
