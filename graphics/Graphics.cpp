#include "graphics/Graphics.h"

#include "engine/Engine.h"

void Graphics::RegisterTypes() {}

void Graphics::Init() { Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite); }

void Graphics::Shutdown() {}
void Graphics::Update() {}
void Graphics::Render() {}
