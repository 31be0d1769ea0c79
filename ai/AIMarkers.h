#pragma once
#include "ai/AIMarker.h"

// A hand-placed graph node that relays routes cheaply: a route's cost starts anew at it.
class SuperNode : public AIMarker<SuperNode> {
 public:
  static constexpr char kClassName[] = "SuperNode";
  void OnCreate() override;
};

// A place computer thieves search and the graph includes; training plans routes between them.
class CoverSpot : public AIMarker<CoverSpot> {
 public:
  static constexpr char kClassName[] = "CoverSpot";
  void OnCreate() override;
};

// A single patrol position, kept in the AI's list.
class GuardPatrolPoint : public AIMarker<GuardPatrolPoint> {
 public:
  static constexpr char kClassName[] = "GuardPatrolPoint";
  void OnCreate() override;
};
