#include "input/TextInput.h"

#include "engine/Engine.h"
#include "engine/EngineMessages.h"
#include "entity/Entity.h"
#include "input/Input.h"

TextInput::~TextInput() {
  if (Engine* engine = Engine::Current())
    if (Input* input = engine->GetInput()) input->UnregisterTextInput(this);
}

void TextInput::Activate() {
  active_ = 1;
  if (Input* input = Engine::Get()->GetInput()) input->RegisterTextInput(this);
}

void TextInput::OnChar(char c) {
  if (!active_) return;
  lastChar_ = static_cast<uint8_t>(c);
  owner->Send(kUpdateTextInput);
}
