#pragma once
#include "entity/EntityClass.h"

// Carries the engine's own console commands: "ai", "getvar", "setvar", "listvars", "export".
class EngineCmds : public EntityClass<EngineCmds> {
 public:
  static constexpr char kClassName[] = "EngineCmds";
  static void Describe(ClassBuilder<EngineCmds>& c);
  void OnCreate() override {}
};
