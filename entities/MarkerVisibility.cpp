#include "entities/MarkerVisibility.h"

#include <cmath>

#include "engine/Engine.h"
#include "entities/ThiefInfo.h"
#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "graphics/ModelComp.h"
#include "physics/PhysicalComp.h"
#include "physics/Physics.h"
#include "player/GameServices.h"
#include "player/LogicServices.h"

namespace {

constexpr float kTolerance = 75.0f;

// A ray that meets nothing sees its target.
bool Sees(const Physics& physics, const platform::Vector3& from, const platform::Vector3& to) {
  const platform::Vector3 d = to - from;
  const float distance = platform::Vec3Length(d);
  if (distance == 0.0f) return true;
  RayHit hit;
  if (!physics.RayCast(from.x, from.y, from.z, d.x, d.y, d.z, &hit)) return true;
  return hit.distance + kTolerance >= distance;
}

}  // namespace

bool IsMarkerVisible(const GameServices& services, const platform::Vector3& base, int32_t mapIndex) {
  LogicServices& logic = services.logic;
  if (logic.GetCurrentMapIndex() != mapIndex) return false;
  Graphics* graphics = services.engine.GetGraphics();
  Physics* physics = services.engine.GetPhysics();
  Camera* camera = graphics ? graphics->GetActiveCamera() : nullptr;
  PhysicalComp* player = FindPhysical(logic.GetPlayerEntity());
  if (!physics || !camera || !player) return false;

  const platform::Vector3 p = player->GetPosition();
  const platform::Vector3 look = camera->direction;
  const platform::Vector3 ahead = camera->position + look * 20.0f + platform::Vector3{0, 0, 25};
  // A player at the base gives no direction: it stands at the marker and sees it.
  if (platform::Vec3Dot(platform::Vec3Normalize(p - base), look) > 0.0f) return false;
  return Sees(*physics, base, p) || Sees(*physics, base, ahead);
}

void BobMarker(const GameServices& services, const platform::Vector3& base, bool visible, PhysicalComp& physical,
               ModelComp& model) {
  model.visible = visible ? 1 : 0;
  const auto t = static_cast<float>(services.engine.GetTimer()->GetTime());
  physical.SetPosition(base + platform::Vector3{0, 0, 50.0f + 20.0f * std::sin(15.0f * t)});
}
