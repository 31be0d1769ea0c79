#include "input/ControlMap.h"

#include "engine/Engine.h"
#include "input/Input.h"

ControlMap::~ControlMap() {
  if (Engine* engine = Engine::Current())
    if (Input* input = engine->GetInput()) input->UnregisterControlMap(this);
}

void ControlMap::Store(std::map<std::string, KeyBinding>& byName, std::map<int32_t, KeyBinding>& byCode,
                       const std::string& key, KeyBinding binding) {
  byName[key] = binding;
  byCode[Input::GetKeyNames().Get(key)] = std::move(binding);
}

void ControlMap::Resolve(const std::map<std::string, KeyBinding>& byName, std::map<int32_t, KeyBinding>& byCode) {
  for (const auto& [name, binding] : byName) byCode[Input::GetKeyNames().Get(name)] = binding;
}

void ControlMap::Bind(const std::string& key, const std::string& action, bool onPress, bool onRelease) {
  BindWithArgs(key, action, MessageArgs(), onPress, onRelease);
}

void ControlMap::BindMouse(const std::string& key, const std::string& action, bool onPress, bool onRelease) {
  BindMouseWithArgs(key, action, MessageArgs(), onPress, onRelease);
}

void ControlMap::BindWithArgs(const std::string& key, const std::string& action, const MessageArgs& args,
                              bool onPress, bool onRelease) {
  Store(keyboardByName_, keyboardByCode_, key,
        KeyBinding{static_cast<uint8_t>(onPress), static_cast<uint8_t>(onRelease), action, args});
}

void ControlMap::BindMouseWithArgs(const std::string& key, const std::string& action, const MessageArgs& args,
                                   bool onPress, bool onRelease) {
  Store(mouseByName_, mouseByCode_, key,
        KeyBinding{static_cast<uint8_t>(onPress), static_cast<uint8_t>(onRelease), action, args});
}

void ControlMap::Activate() {
  if (Input* input = Engine::Get()->GetInput()) input->RegisterControlMap(this);
  active_ = 1;
  lastClickTime_ = 0;
  Resolve(keyboardByName_, keyboardByCode_);
  Resolve(mouseByName_, mouseByCode_);
}
