#pragma once
#include <string>

#include "engine/EngineSystem.h"

class Graphics : public EngineSystem {
 public:
  void RegisterTypes() override;
  void Init() override;
  void Shutdown() override;
  void Update() override;
  std::string GetName() override { return "Graphics"; }

  // Draws and presents one frame; runs every frame whatever the run flags say.
  void Render();
};
