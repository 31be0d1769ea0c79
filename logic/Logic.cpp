#include "logic/Logic.h"

#include "engine/Engine.h"

void Logic::RegisterTypes() {}

void Logic::Init() { Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite); }

void Logic::Shutdown() {}
void Logic::Update() {}
