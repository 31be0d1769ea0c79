#include "input/InputFocus.h"

#include "entity/Entity.h"
#include "input/ControlMap.h"
#include "input/TextInput.h"

void InputFocus::Switch(Entity* entity, bool on) {
  if (auto* map = static_cast<ControlMap*>(entity->GetComponent(kControlMapComponent))) map->SetActive(on);
  if (auto* text = static_cast<TextInput*>(entity->GetComponent(kTextInputComponent))) text->SetActive(on);
}

void InputFocus::RegisterScheme(const std::string& name, Entity* entity) {
  schemes_[name] = EntityHandle(entity);
  Switch(entity, false);
}

EntityHandle InputFocus::FindScheme(const std::string& name) {
  auto it = schemes_.find(name);
  if (it == schemes_.end()) return EntityHandle();
  if (!it->second.Get()) {
    schemes_.erase(it);
    return EntityHandle();
  }
  return it->second;
}

void InputFocus::SetFocus(EntityHandle handle) {
  Entity* entity = handle.Get();
  if (!entity) return;
  for (const EntityHandle& h : focused_)
    if (Entity* old = h.Get()) Switch(old, false);
  std::vector<EntityHandle>().swap(focused_);
  focused_.push_back(handle);
  Switch(entity, true);
}

void InputFocus::AddFocus(EntityHandle handle) {
  Entity* entity = handle.Get();
  if (!entity) return;
  focused_.push_back(handle);
  Switch(entity, true);
}
