#pragma once
#include <string>
#include <utility>

#include "engine/EngineSystem.h"

// A system that does nothing: benchmarks fill the engine's other slots with it.
class IdleSystem : public EngineSystem {
 public:
  explicit IdleSystem(std::string name = "Idle") : name_(std::move(name)) {}
  void RegisterTypes() override {}
  void Init() override {}
  void Shutdown() override {}
  void Update() override {}
  std::string GetName() override { return name_; }

 private:
  std::string name_;
};
