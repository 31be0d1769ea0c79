#include "player/gadgets/Launch.h"

#include "physics/PhysicalComp.h"
#include "player/gadgets/AimDirection.h"
#include "player/gadgets/GadgetEnt.h"

namespace {
constexpr float kLaunchAhead = 30.0f;
constexpr float kLaunchAbove = 5.0f;
constexpr float kLaunchSpeed = 1000.0f;
}  // namespace

void LaunchFromGadget(GadgetEnt* gadget, Entity* projectile, PhysicalComp& body) {
  GadgetComp& state = gadget->gadget;
  state.projectile.Set(projectile);
  const platform::Vector3 aim = AimDirection(state.aimDirection);
  body.SetPosition(gadget->physical.GetPosition() + aim * kLaunchAhead + platform::Vector3{0, 0, kLaunchAbove});
  body.CreateActor();
  body.SetVelocity(aim * kLaunchSpeed);
  body.SetOrientation(state.aimRotation);
}
