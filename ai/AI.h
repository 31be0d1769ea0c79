#pragma once
#include <string>

#include "engine/EngineSystem.h"
#include "engine/SystemSlots.h"

class AI : public EngineSystem {
 public:
  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "AI"; }
  void TakeSlot(SystemSlots& slots) override { slots.ai = this; }
};
