#include "input/Input.h"

#include "engine/Engine.h"

void Input::Init() { Engine::Get()->GetConsole()->AppendText("Starting").AppendText(GetName()).Flush(Console::kWhite); }

KeyNames& Input::GetKeyNames() {
  static KeyNames table;
  return table;
}
