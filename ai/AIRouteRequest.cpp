#include "ai/AIRouteRequest.h"

#include "ai/AIRouteAgent.h"
#include "physics/PhysicalComp.h"

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
  currentIndex = 0;
  nudgeCount = 0;
  done = 0;
  checkpointTimer = 0.0f;
  legTimer = 0.0f;
  lastCheckpoint = platform::Vector3();
  if (physical_) physical_->SetDirection(homeFacing);
}

void AIRouteRequest::Clear() { route_.reset(); }

void AIRouteRequest::PlanTo(Entity*) {}

void AIRouteRequest::PlanToPoint(float, float, float) {}

void AIRouteRequest::Update(float dt, int32_t mapIndex) { Step(dt, mapIndex); }

void AIRouteRequest::Step(float, int32_t) {}

void AIRouteRequest::SteerTo(Entity*, float, int32_t) {}

void AIRouteRequest::GiveUp() {
  nudgeCount = 0;
  legTimer = 0.0f;
  checkpointTimer = 0.0f;
  lastCheckpoint = platform::Vector3();
  if (agent_) agent_->ClearActions();
}
