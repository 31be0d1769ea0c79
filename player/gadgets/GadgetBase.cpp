#include "player/gadgets/GadgetBase.h"

#include <cmath>

#include "player/Player.h"
#include "player/gadgets/GadgetEnt.h"

using platform::Vector3;

namespace {

constexpr float kComputerThiefReach = 10.0f;
constexpr float kAheadOfCamera = 25.0f;
constexpr float kRightOfCamera = 8.0f;
constexpr float kBelowCamera = 10.0f;
// The smoke grenade's model sits lower. The test is on the exact spelling, so a file that
// names the behaviour in other capitals binds it but gets the common height.
constexpr float kSmokeGrenadeBelowCamera = 15.0f;

}  // namespace

void GadgetBase::AssignPlayer(GadgetEnt* gadget, Player* player) { gadget->gadget.player.Set(player); }

void GadgetBase::Update(GadgetEnt* gadget) {
  GadgetComp& state = gadget->gadget;
  Player* player = state.GetPlayer();
  if (!player) {
    gadget->model.visible = 0;
    return;
  }
  if (player != gadget->Services().UserThief()) {
    gadget->physical.SetPosition(player->physical.GetPosition() + state.aimDirection * kComputerThiefReach);
    gadget->model.visible = 0;
    return;
  }
  const Camera& camera = player->camera;
  const Vector3 look = platform::Vec3Normalize(camera.direction);
  const Vector3 right = platform::Vec3Normalize(camera.right);
  const float below = state.BehaviorName == "SmokeGrenade" ? kSmokeGrenadeBelowCamera : kBelowCamera;
  gadget->physical.SetPosition(camera.position + look * kAheadOfCamera + right * kRightOfCamera +
                               Vector3{0, 0, -below});
  // Turned to the look direction: pitched about y, then yawed about z.
  const platform::Quaternion yaw = platform::QuaternionRotationAxis({0, 0, 1}, -std::atan2(look.y, -look.x));
  const platform::Quaternion pitch =
      platform::QuaternionRotationAxis({0, 1, 0}, std::asin(std::fmax(-1.0f, std::fmin(1.0f, look.z))));
  const platform::Quaternion rotation = platform::QuaternionMultiply(pitch, yaw);
  gadget->physical.SetOrientation(rotation);
  state.aimRotation = rotation;
  state.aimDirection = look;
}

void GadgetBase::Reset(GadgetEnt* gadget) {
  canTarget = true;
  hudOffsetY = 0.0f;
  Init(gadget);
}
