#include "entity/ClassMessageTable.h"

#include "entity/Component.h"
#include "entity/Entity.h"
#include "entity/EntityField.h"

ClassMessageTable::~ClassMessageTable() = default;

void ClassMessageTable::AddMessage(const std::string& name, std::unique_ptr<HandlerBinder> binder) {
  messages_[name] = std::move(binder);
}

void ClassMessageTable::AddComponent(const std::string& name, std::unique_ptr<ComponentSlot> slot) {
  components_[name] = std::move(slot);
}

void ClassMessageTable::AddField(std::unique_ptr<EntityField> field) { fields_.push_back(std::move(field)); }

HandlerBinder* ClassMessageTable::FindMessage(const std::string& name) const {
  auto it = messages_.find(name);
  return it == messages_.end() ? nullptr : it->second.get();
}

Component* ClassMessageTable::FindComponent(Entity* entity, const std::string& name) const {
  auto it = components_.find(name);
  return it == components_.end() ? nullptr : it->second->Get(entity);
}

void ClassMessageTable::Dispatch(Entity* entity, const std::string& name, MessageArgs* args) const {
  if (HandlerBinder* binder = FindMessage(name)) binder->Invoke(entity, args);
}

void ClassMessageTable::InitComponents(Entity* entity) const {
  for (const auto& [name, slot] : components_) {
    Component* c = slot->Get(entity);
    c->owner = entity;
    c->Activate();
    c->active = 1;
  }
}
