#include "ai/AIRouteRequest.h"

#include "ai/AIRouteAgent.h"
#include "ai/AI.h"
#include "ai/nav/AIMapData.h"
#include "ai/agents/CompassFacing.h"
#include "ai/NavDrawing.h"
#include "ai/NavRays.h"
#include "ai/UsableTeleporters.h"
#include "ai/nav/RoutePlanner.h"
#include "engine/Engine.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "physics/PlayerPhysics.h"

namespace {

const AI* TheAI() { return Engine::Get()->GetAI(); }

}  // namespace

AIRouteRequest::AIRouteRequest() = default;
AIRouteRequest::~AIRouteRequest() = default;

void AIRouteRequest::Bind(Entity* owner, PhysicalComp* physical, PlayerPhysics* playerPhysics, AIRouteAgent* agent) {
  owner_ = owner;
  physical_ = physical;
  playerPhysics_ = playerPhysics;
  agent_ = agent;
}

void AIRouteRequest::Reset() {
  route_.reset();
  // The teleporter belonged to the route dropped: a later arrival elsewhere goes through none.
  viaTeleporter = 0;
  teleporter = EntityHandle();
  currentIndex = 0;
  nudgeCount = 0;
  done = 0;
  checkpointTimer = 0.0f;
  legTimer = 0.0f;
  lastCheckpoint = platform::Vector3();
  if (physical_) physical_->SetDirection(homeFacing);
}

void AIRouteRequest::Clear() { route_.reset(); }

void AIRouteRequest::PlanTo(Entity* target) {
  MapIndexComp* targetMap = target ? target->Find<MapIndexComp>() : nullptr;
  PhysicalComp* targetBody = target ? target->Find<PhysicalComp>() : nullptr;
  if (!targetMap || !targetBody || !physical_) return;
  PlanFromAgent(targetBody->GetPosition(), targetMap->mapIndex);
}

void AIRouteRequest::PlanToPoint(float x, float y, float z) {
  if (physical_) PlanFromAgent({x, y, z}, OwnMapIndex());
}

void AIRouteRequest::PlanFromAgent(const platform::Vector3& goal, int32_t goalMapIndex) {
  RouteQuery q;
  q.start = physical_->GetSettledPosition();
  q.mapIndex = OwnMapIndex();
  q.goal = goal;
  q.goalMapIndex = goalMapIndex;
  Plan(q);
}

void AIRouteRequest::Plan(RouteQuery& q) {
  const AI* ai = TheAI();
  const AgentWorld* world = ai ? ai->GetRoster().GetWorld() : nullptr;
  Plan(q, world ? UsableTeleporters(*world) : std::vector<TeleporterEnds>{});
}

void AIRouteRequest::Plan(RouteQuery& q, const std::vector<TeleporterEnds>& teleporters) {
  const AI* ai = TheAI();
  Reset();
  PlanRoute(q, ai ? ai->GetMapData(q.mapIndex) : nullptr, ai ? PlanningSettings(ai->GetConfig()) : RouteSettings{},
            teleporters);
  route_ = std::move(q.planned);
  done = q.done;
  viaTeleporter = q.viaTeleporter;
  if (q.teleporter) teleporter.Set(q.teleporter);
}

int32_t AIRouteRequest::OwnMapIndex() const {
  const MapIndexComp* map = owner_ ? owner_->Find<MapIndexComp>() : nullptr;
  return map ? map->mapIndex : 0;
}

void AIRouteRequest::Update(float dt, int32_t mapIndex) {
  if (!agent_) return;
  Step(dt, mapIndex);
  if (route_) DrawRouteLines(*route_, mapIndex, 0xff0000ff, 0xff00ff00);
}

platform::Vector3 AIRouteRequest::ReferencePoint() const {
  const platform::Vector3 position = physical_->GetSettledPosition();
  // Measured from the floor, as the nodes are, so that steps and slopes do not count.
  const AI* ai = TheAI();
  const std::optional<platform::Vector3> floor = ai ? ai->GetRays().FloorBelow(position) : std::nullopt;
  return {position.x, position.y, floor.value_or(platform::Vector3()).z + NODE_HEIGHT};
}

void AIRouteRequest::Step(float dt, int32_t mapIndex) {
  checkpointTimer += dt;
  legTimer += dt;
  if (legTimer >= kLegTimeLimit) {
    if (agent_) agent_->Respawn();
    return;
  }
  if (!route_) {
    done = 1;
    return;
  }
  if (size_t(currentIndex) + 1 >= route_->nodeIds.size()) {
    done = 1;
    route_.reset();
    return;
  }
  // A frame in which no time passes moves nothing and proves nothing about being stuck.
  if (!physical_ || !playerPhysics_ || dt <= 0.0f) return;
  step = playerPhysics_->speed * dt;
  const platform::Vector3 reference = ReferencePoint();
  const AI* ai = TheAI();
  const AIMapData* map = ai ? ai->GetMapData(mapIndex) : nullptr;
  const int32_t next = route_->nodeIds[size_t(currentIndex) + 1];
  if (!map || !map->ValidId(next)) {
    Reset();
    return;
  }
  const platform::Vector3& node = map->nodes[size_t(next)].position;
  const platform::Vector3 way = platform::Vec3Normalize(node - reference);
  physical_->SetDirection(-way);
  const platform::Vector3 move = way * step;
  playerPhysics_->move += move;
  const platform::Vector3 predicted = reference + move;
  const platform::Vector3 progress = predicted - lastCheckpoint;
  if (checkpointTimer >= kCheckpointPeriod) {
    lastCheckpoint = predicted;
    checkpointTimer = 0.0f;
  }
  if (platform::Vec3LengthSq(progress) < kStuckDistanceSq) {
    if (nudgeCount >= kMaxNudges) {
      GiveUp();
      return;
    }
    // Up over what holds it and on along the way: a push along the predicted point's own
    // position vector, as once done, sends agents off towards the world's origin.
    const platform::Vector3 jump = way * (2.0f * step) + platform::Vector3{0.0f, 0.0f, kNudgeLift};
    physical_->SetPositionCached(reference + jump);
    ++nudgeCount;
    return;
  }
  if (platform::Vec3LengthSq(node - reference) <= kArrivalDistanceSq) Arrive();
}

void AIRouteRequest::Arrive() {
  lastCheckpoint = platform::Vector3();
  checkpointTimer = 0.0f;
  legTimer = 0.0f;
  ++currentIndex;
  nudgeCount = 0;
  if (!agent_ || !agent_->PausesAtPatrolPoints() || size_t(currentIndex) >= route_->points.size()) return;
  const PathPoint& point = route_->points[size_t(currentIndex)];
  if (point.pause == 0.0f) return;
  // A marker without a compass word keeps the guard's facing.
  platform::Vector3 facing = physical_->direction;
  CompassFacing(point.direction, facing);
  physical_->SetDirection(facing);
  agent_->SetActionSet("path pause", point.pause, nullptr);
}

void AIRouteRequest::SteerTo(Entity* target, float dt, int32_t) {
  PhysicalComp* targetBody = target ? target->Find<PhysicalComp>() : nullptr;
  if (!targetBody || !physical_ || !playerPhysics_) return;
  checkpointTimer += dt;
  const platform::Vector3 position = physical_->GetSettledPosition();
  step = playerPhysics_->speed * dt;
  const platform::Vector3 way = platform::Vec3Normalize(targetBody->GetPosition() - position);
  physical_->SetDirection(-way);
  playerPhysics_->move = way * step;
  const platform::Vector3 predicted = position + way * step;
  const platform::Vector3 progress = predicted - lastCheckpoint;
  if (checkpointTimer > kCheckpointPeriod) {
    lastCheckpoint = predicted;
    checkpointTimer = 0.0f;
  }
  // Not closing in: look about where the target was.
  if (platform::Vec3Length(progress) < kSteerStuckDistance && agent_) agent_->SetActionSet("investigate", 0.0f, target);
}

void AIRouteRequest::GiveUp() {
  nudgeCount = 0;
  legTimer = 0.0f;
  checkpointTimer = 0.0f;
  lastCheckpoint = platform::Vector3();
  if (agent_) agent_->ClearActions();
}
