#include "ai/AIMarkers.h"

#include "ai/AI.h"

AI* TheAI() { return Engine::Get() ? Engine::Get()->GetAI() : nullptr; }

void SuperNode::OnCreate() {
  if (AI* ai = TheAI()) ai->AddSuperNode(*this);
}

void CoverSpot::OnCreate() {
  if (AI* ai = TheAI()) ai->AddCoverSpot(*this);
}

void GuardPatrolPoint::OnCreate() {
  if (AI* ai = TheAI()) ai->AddPatrolPoint(physical.GetPosition());
}
