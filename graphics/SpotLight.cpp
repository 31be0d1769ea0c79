#include "graphics/SpotLight.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "graphics/Graphics.h"
#include "physics/PhysicalComp.h"

SpotLight::~SpotLight() {
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->GetModelScene().GetSpotLights().Remove(this);
}

void SpotLight::Activate() {
  source_ = owner ? owner->Find<PhysicalComp>() : nullptr;
  if (Graphics* graphics = Engine::Get()->GetGraphics()) graphics->GetModelScene().GetSpotLights().Add(this);
  enabled = true;
}
