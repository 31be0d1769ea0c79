#pragma once
#include "physics/PhysicsSeams.h"

// The thieves' side of the physics' noclip question: a thief is steered by the user while its
// "PlayerInfo" says so.
class PlayerUserControl : public UserControl {
 public:
  bool IsUserControlled(Entity& character) const override;
};
