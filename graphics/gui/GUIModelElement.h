#pragma once
#include <cstdint>
#include <string>

#include "entity/EntityManager.h"
#include "graphics/gui/GUIElement.h"
#include "platform/math/Vector.h"

// A 3-D model shown on a GUI screen (outfit preview, tally items, HUD gadgets), drawn by its
// screen through a model entity of its own rather than by the model pass.
class GUIModelElement : public GUIElement {
 public:
  // Queues the previous model entity for deletion and makes a new "ModelEnt" showing ModelName,
  // drawn only by its screen.
  void LoadModel();
  // Draws the model where the screen's offset puts it, when it has a model entity and is
  // visible.
  void Draw(const GUIPoint* offset = nullptr) override;
  // Models follow a sliding screen at a third of its speed: screen x along world x, screen y
  // along world z.
  platform::Vector3 WorldPosition(const GUIPoint* offset) const;

  std::string ModelName;
  platform::Vector3 ModelPos;
  int32_t variant = 0;
  uint8_t visible = 1;
  bool Spinning = false;
  // Set by the game logic for the HUD's gadget models; not used by the element itself. Held by
  // id, so that a gadget deleted with its game is never reached through a HUD animation.
  EntityHandle boundEntity;
  // Held by id: the entity may be deleted with the game's entity group while the element
  // stays.
  EntityHandle modelEntity;
};
