#include "physics/Physics.h"

#include "engine/Engine.h"

void Physics::RegisterTypes() {}

void Physics::Init() { Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite); }

void Physics::Shutdown() {}
void Physics::Update() {}
