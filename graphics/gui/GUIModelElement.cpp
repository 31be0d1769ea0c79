#include "graphics/gui/GUIModelElement.h"

#include "engine/Engine.h"

namespace {
constexpr char kModelEntityClass[] = "ModelEnt";
}

void GUIModelElement::LoadModel() {
  EntityManager* entities = Engine::Get()->GetEntityManager();
  if (Entity* old = modelEntity.Get()) entities->QueueDelete(old);
  modelEntity.Set(nullptr);
  if (!entities->IsRegistered(kModelEntityClass)) return;
  modelEntity.Set(entities->Create(kModelEntityClass));
  // Loading ModelName into the entity's "Model" component, taking it off the graphics model
  // list, starting animation 2 and copying Spinning join here with the model entity.
}

platform::Vector3 GUIModelElement::WorldPosition(const GUIPoint* offset) const {
  const GUIPoint o = offset ? *offset : GUIPoint{};
  return {ModelPos.x - o.x / 3.0f, ModelPos.y, ModelPos.z + o.y / 3.0f};
}

void GUIModelElement::Draw(const GUIPoint* /*offset*/) {
  if (!modelEntity.Get() || !visible) return;
  // Placing the entity at WorldPosition facing (0, 1, 0), passing `variant` to the model's
  // texture swap and drawing its "Model" component join here with the model component.
}
