#include "graphics/gui/GUIModelElement.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/ModelEnt.h"

namespace {
ModelEnt* ModelEntityOf(const EntityHandle& handle) { return dynamic_cast<ModelEnt*>(handle.Get()); }
}  // namespace

void GUIModelElement::LoadModel() {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  if (Entity* old = modelEntity.Get()) entities->QueueDelete(old);
  modelEntity.Set(entities->Create(ModelEnt::kClassName));
  ModelEnt* entity = ModelEntityOf(modelEntity);
  if (!entity) return;
  ModelComp& model = entity->model;
  if (!ModelName.empty()) model.Load(ModelName);
  // Its screen draws it, not the model pass.
  Engine::Get()->GetGraphics()->RemoveModel(&model);
  model.SetAnimation(2);
  model.WearOutfits();
  model.turning = Spinning ? 1 : 0;
}

platform::Vector3 GUIModelElement::WorldPosition(const GUIPoint* offset) const {
  const GUIPoint o = offset ? *offset : GUIPoint{};
  return {ModelPos.x - o.x / 3.0f, ModelPos.y, ModelPos.z + o.y / 3.0f};
}

void GUIModelElement::Draw(const GUIPoint* offset) {
  ModelEnt* entity = ModelEntityOf(modelEntity);
  if (!entity || !visible) return;
  entity->physical.SetPosition(WorldPosition(offset));
  entity->physical.SetDirection({0, 1, 0});
  entity->model.SetOutfit(variant);
  entity->model.PlaceAtOwner();
  entity->model.Draw();
}
