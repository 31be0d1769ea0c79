#include "engine/InputFocus.h"

void InputFocus::RegisterScheme(const std::string& name, Entity* entity) {
  schemes_[name] = EntityHandle(entity);
  Turn(entity, false);
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
    if (Entity* old = h.Get()) Turn(old, false);
  std::vector<EntityHandle>().swap(focused_);
  focused_.push_back(handle);
  Turn(entity, true);
}

void InputFocus::AddFocus(EntityHandle handle) {
  Entity* entity = handle.Get();
  if (!entity) return;
  focused_.push_back(handle);
  Turn(entity, true);
}
