#include "player/EntityList.h"

#include <algorithm>

#include "entity/Entity.h"
#include "entity/EntityManager.h"

void EntityList::Iterator::SkipGone() {
  current_ = nullptr;
  for (; index_ < ids_->size(); ++index_) {
    current_ = EntityHandle((*ids_)[index_]).Get();
    if (current_) return;
  }
}

void EntityList::Add(const Entity& entity) { ids_.push_back(entity.GetId()); }

void EntityList::Remove(const Entity& entity) {
  auto found = std::find(ids_.begin(), ids_.end(), entity.GetId());
  if (found != ids_.end()) ids_.erase(found);
}

size_t EntityList::Count() const {
  size_t count = 0;
  for (auto it = begin(); it != end(); ++it) ++count;
  return count;
}

Entity* EntityList::At(size_t index) const {
  for (Entity& entity : *this) {
    if (index-- == 0) return &entity;
  }
  return nullptr;
}
