#pragma once
#include "entity/EntityManager.h"
#include "graphics/GraphicsLists.h"

class EffectManager;
class ModelEnt;

// The teleport transition and the emblem shown over the scene during it: its record, how far
// it has run and whether it runs.
class GraphicsTransition {
 public:
  // Reads the transition record and creates the hidden emblem model entity.
  void Init();
  // Queues the emblem for deletion.
  void Release();
  const TransitionInfo& GetInfo() const { return info_; }
  // The emblem model entity drawn over the scene; null before Init.
  ModelEnt* GetEmblem();

  void Start();
  // Moves the effect's "transitionTime" (only with an active camera) and hides the emblem at
  // the end.
  void Update(EffectManager& effects, bool cameraActive);
  bool IsRunning() const { return running_; }

 private:
  TransitionInfo info_;
  float elapsed_ = 0;
  bool running_ = false;
  EntityHandle emblem_;
};
