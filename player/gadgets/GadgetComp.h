#pragma once
#include <string>

#include "entity/Component.h"
#include "entity/EntityManager.h"
#include "graphics/gui/HudSeams.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

class GadgetBase;
class Player;

// The state of one gadget a thief carries, found as "Gadget": which behaviour it has, who holds
// it, what it launched last and where it points. A behaviour name that names no behaviour
// leaves the gadget inert: it fires nothing and has no size on the HUD.
class GadgetComp : public Component, public HudGadget {
 public:
  // Binds the named behaviour and resets its kind's fields.
  void Activate() override;

  int32_t GetHudSize() const override;
  float GetHudHeightOffset() const override;

  // The holder while it exists.
  Player* GetPlayer() const;

  EntityHandle projectile;
  EntityHandle player;
  std::string BehaviorName;
  GadgetBase* behavior = nullptr;
  platform::Vector3 aimDirection;
  platform::Quaternion aimRotation = platform::QuaternionIdentity();
};

// The fields of a gadget file's "GadgetComp" section.
template <class Visitor>
void VisitFields(Visitor& v, GadgetComp& gadget) {
  v("BehaviorName", gadget.BehaviorName);
}
