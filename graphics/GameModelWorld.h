#pragma once
#include "graphics/ModelWorld.h"

// What the model passes ask of the running game: the game logic's current map index, the
// current map's visibility from the camera's cluster, and the physics' ray down to the floor
// under a model. Each answer falls back to the plain world's while its system is absent. The
// level's lights are not asked yet: models keep the fixed light and no spot light reaches them.
class GameModelWorld : public ModelWorld {
 public:
  uint32_t GetCurrentMapIndex() override;
  bool IsClusterVisible(int32_t cluster) override;
  bool CastDown(const platform::Vector3& from, float* distance, platform::Vector3* normal) override;
};
