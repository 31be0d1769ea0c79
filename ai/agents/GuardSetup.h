#pragma once
#include <cstdint>
#include <vector>

#include "ai/agents/PatrolMarker.h"

class AI;
class AgentWorld;
class Entity;
struct AIRoute;

// Makes the museum's guards from its patrol markers: every path number is one guard whose
// closed patrol path visits the markers in Id order. The first marker decides the guard's map,
// post, facing and start: patrolling, asleep and snoring, asleep for good ("dead"), or awake
// without its flashlight ("invincible").
class GuardSetup {
 public:
  static constexpr int32_t kLastPathNum = 10000;
  static constexpr int32_t kPathsPerMap = 10;
  static constexpr float kPostHeight = 25.0f;
  static constexpr int kPatrolLinks = 4;

  GuardSetup(AI& ai, AgentWorld& world) : ai_(ai), world_(world) {}

  // Takes the markers it uses out of `markers`; the ones left made no guard.
  void Run(std::vector<PatrolMarker>& markers);

 private:
  // The guard walking `markers` (sorted, all of one path number); false when its map is unknown.
  bool MakeGuard(const std::vector<PatrolMarker>& markers);
  Entity* CreateGuard(const PatrolMarker& first, int32_t pathIndex, size_t markerCount);

  AI& ai_;
  AgentWorld& world_;
};
