#include "logic/ClassLists.h"

void ClassLists::Register(const std::string& className, const Entity& entity) { lists_[className].Add(entity); }

void ClassLists::Unregister(const std::string& className, const Entity& entity) {
  auto found = lists_.find(className);
  if (found != lists_.end()) found->second.Remove(entity);
}

const EntityList* ClassLists::Get(const std::string& className) const {
  auto found = lists_.find(className);
  return found == lists_.end() ? nullptr : &found->second;
}
