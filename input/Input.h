#pragma once
#include <list>
#include <string>

#include "engine/EngineSystem.h"
#include "input/KeyNames.h"

class ControlMap;
class TextInput;

// The keyboard and mouse, and the components they feed.
class Input : public EngineSystem {
 public:
  void RegisterTypes() override {}
  void Init() override;
  void Shutdown() override {}
  void Update() override {}
  std::string GetName() override { return "Input"; }

  void RegisterControlMap(ControlMap* map) { controlMaps_.push_back(map); }
  void UnregisterControlMap(ControlMap* map) { controlMaps_.remove(map); }
  void RegisterTextInput(TextInput* input) { textInputs_.push_back(input); }
  void UnregisterTextInput(TextInput* input) { textInputs_.remove(input); }
  const std::list<ControlMap*>& ControlMaps() const { return controlMaps_; }
  const std::list<TextInput*>& TextInputs() const { return textInputs_; }

  // The key-name table. There is one per process: bindings made before the input system
  // exists resolve through the same table.
  static KeyNames& GetKeyNames();

 private:
  std::list<ControlMap*> controlMaps_;
  std::list<TextInput*> textInputs_;
};
