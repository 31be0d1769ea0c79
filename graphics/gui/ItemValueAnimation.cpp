#include "graphics/gui/ItemValueAnimation.h"

#include "engine/Engine.h"
#include "graphics/GraphicsLists.h"
#include "graphics/ModelEnt.h"
#include "graphics/ModelRecord.h"
#include "graphics/gui/GUIModelElement.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"
#include "sound/Sound.h"

void ItemValueAnimation::OnStart() {
  duration = 1.0f;
  SetParameter("y", 70.0f, -80.0f);
  SetParameter("scale", 1.0f, 0.2f);
}

void ItemValueAnimation::Apply() {
  if (!modelElement) return;
  modelElement->ModelPos.z = Value("y");
  auto* entity = dynamic_cast<ModelEnt*>(modelElement->modelEntity.Get());
  if (!entity) return;
  ModelComp& model = entity->model;
  const ModelRecord* record = model.GetModel();
  const float meshScale = record && record->meshInfo ? record->meshInfo->Scale : 1.0f;
  model.scale = meshScale * Value("scale");
  model.UpdateWorldMatrix();
}

void ItemValueAnimation::OnFinish() {
  if (modelElement) modelElement->visible = 0;
  if (HudGame* game = CurrentHudGame()) game->AddScore(ownerId, worth);
  if (Sound* sound = Engine::Get()->GetSound()) sound->Play2D("money");
}
