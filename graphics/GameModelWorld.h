#pragma once
#include "graphics/ModelWorld.h"

// What the model passes ask of the running game: the current map's light grid and the guards'
// spot lights in it, the game logic's current map index, the current map's visibility from the
// camera's cluster, and the physics' ray down to the floor under a model. Each answer falls
// back to the plain world's while its system (or a running game) is absent.
class GameModelWorld : public ModelWorld {
 public:
  ModelLight GetLight(const platform::Vector3& position) override;
  void GetSpotLights(const platform::Vector3& centre, float radius, std::vector<SpotLightRecord>& out) override;
  uint32_t GetCurrentMapIndex() override;
  bool IsClusterVisible(int32_t cluster) override;
  bool CastDown(const platform::Vector3& from, float* distance, platform::Vector3* normal) override;
};
