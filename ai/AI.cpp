#include "ai/AI.h"

void AI::RegisterTypes() {}
void AI::Init() {}
void AI::Shutdown() {}
void AI::Update() {}
