#include "ai/AI.h"

#include "engine/VariableTable.h"

void AI::RegisterTypes() {}

void AI::Init() {
  nodeEdit_ = false;
  BindBoolVariable("AI_Run", &enableAI_);
  BindBoolVariable("AI_Chase", &chaseThieves_);
}

void AI::Shutdown() {}
void AI::Update() {}
