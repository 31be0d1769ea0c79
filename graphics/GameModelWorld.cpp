#include "graphics/GameModelWorld.h"

#include "engine/Engine.h"
#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/gui/HudSeams.h"
#include "map/BspMap.h"
#include "map/LightingForPosition.h"
#include "physics/Physics.h"

ModelLight GameModelWorld::GetLight(const platform::Vector3& position) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  const HudGame* game = graphics ? graphics->GetHudGame() : nullptr;
  const BspMap* map = graphics ? graphics->GetCurrentMap() : nullptr;
  if (!game || !game->IsInGame() || !map) return ModelWorld::GetLight(position);
  const LightSet light = LightingForPosition(map->Data(), position);
  return {light.directed, light.direction};
}

void GameModelWorld::GetSpotLights(const platform::Vector3& centre, float radius, std::vector<SpotLightRecord>& out) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  if (!graphics) return ModelWorld::GetSpotLights(centre, radius, out);
  graphics->GetModelScene().GetSpotLights().FindLightsNear(out, centre, radius,
                                                           static_cast<int32_t>(GetCurrentMapIndex()));
}

uint32_t GameModelWorld::GetCurrentMapIndex() {
  const Graphics* graphics = Engine::Get()->GetGraphics();
  const GameView* game = graphics ? graphics->GetGameView() : nullptr;
  // No current map (-1) matches no entity's map.
  return game ? static_cast<uint32_t>(game->GetCurrentMapIndex()) : ModelWorld::GetCurrentMapIndex();
}

bool GameModelWorld::IsClusterVisible(int32_t cluster) {
  Graphics* graphics = Engine::Get()->GetGraphics();
  const BspMap* map = graphics ? graphics->GetCurrentMap() : nullptr;
  return map ? map->IsClusterVisible(map->GetCameraCluster(), cluster) : ModelWorld::IsClusterVisible(cluster);
}

bool GameModelWorld::CastDown(const platform::Vector3& from, float* distance, platform::Vector3* normal) {
  const Physics* physics = Engine::Get()->GetPhysics();
  if (!physics) return ModelWorld::CastDown(from, distance, normal);
  RayHit hit;
  if (!physics->RayCast(from.x, from.y, from.z, 0, 0, -1, &hit)) return false;
  *distance = hit.distance;
  *normal = hit.normal;
  return true;
}
