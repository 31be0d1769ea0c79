#include "entity/EntityManager.h"

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "entity/XmlReader.h"

namespace {
void LogEngine(const std::string& text, unsigned severity) {
  Engine::Get()->GetLog()->Write("EngineLog", text, severity);
}
}  // namespace

EntityManager::~EntityManager() { DeleteAll(); }

void EntityManager::RegisterClass(Factory factory, const std::string& className) {
  factories_[className] = std::move(factory);
}

Entity* EntityManager::Instantiate(const std::string& className) {
  auto it = factories_.find(className);
  if (it == factories_.end()) {
    LogEngine("Could not allocate " + className, 1);
    return nullptr;
  }
  Entity* entity = it->second();
  AddEntity(entity);
  return entity;
}

Entity* EntityManager::Create(const std::string& className) {
  Entity* entity = Instantiate(className);
  if (entity) Entity::SetUp(entity);
  return entity;
}

Entity* EntityManager::CreateFromFile(const std::string& className, const std::string& path) {
  Entity* entity = Instantiate(className);
  if (!entity) return nullptr;
  LoadEntityConfig(entity, path);
  Entity::SetUp(entity);
  return entity;
}

void EntityManager::LoadEntityConfig(Entity* entity, const std::string& path) {
  try {
    XmlReader reader;
    reader.Open(path);
    LoadEntityElement(reader, entity);
    reader.Close();
  } catch (const std::exception& e) {
    LogEngine("Error serializing " + entity->GetClassName() + " from " + path + ". " + e.what(), 2);
  }
}

void EntityManager::LoadEntityElement(XmlReader& reader, Entity* entity) {
  reader.ReadTag();
  if (!reader.IsEmptyTag()) {
    entity->Load(reader);
    reader.ReadTag();
  }
}

void EntityManager::AddEntity(Entity* entity) {
  entities_[entity->GetId()] = entity;
  for (auto& [name, members] : groups_) members[entity->GetId()] = entity;
}

Entity* EntityManager::FindEntity(uint32_t id) const {
  auto it = entities_.find(id);
  return it == entities_.end() ? nullptr : it->second;
}

void EntityManager::QueueDelete(Entity* entity) { deletionQueue_.push_back(entity->GetId()); }

bool EntityManager::IsQueuedForDeletion(uint32_t id) const {
  return std::find(deletionQueue_.begin(), deletionQueue_.end(), id) != deletionQueue_.end();
}

void EntityManager::ProcessDeletions() {
  // Ids that destructors queue are appended to the list and handled in this same pass.
  while (!deletionQueue_.empty()) {
    uint32_t id = deletionQueue_.front();
    deletionQueue_.pop_front();
    auto it = entities_.find(id);
    if (it == entities_.end()) {
      LogEngine("Entity with ID " + std::to_string(id) + " could not be deleted. The entity does not exist.", 1);
      continue;
    }
    // Forget the entity before destroying it, so that lookups made by destructors never see
    // an object that is half gone.
    Entity* entity = it->second;
    entities_.erase(it);
    for (auto& [name, members] : groups_) members.erase(id);
    delete entity;
  }
}

void EntityManager::BeginGroup(const std::string& name) { groups_[name].clear(); }

void EntityManager::DeleteGroup(const std::string& name) {
  auto it = groups_.find(name);
  if (it == groups_.end()) return;
  for (const auto& [id, entity] : it->second) deletionQueue_.push_back(id);
  groups_.erase(it);
}

void EntityManager::DeleteAll() {
  // In ascending id order; each entity is taken out of the tables before it is destroyed, as in
  // ProcessDeletions. Entities that destructors create are deleted in a further round.
  while (!entities_.empty()) {
    std::vector<uint32_t> ids;
    ids.reserve(entities_.size());
    for (const auto& [id, entity] : entities_) ids.push_back(id);
    std::sort(ids.begin(), ids.end());
    for (uint32_t id : ids) {
      auto it = entities_.find(id);
      if (it == entities_.end()) continue;
      Entity* entity = it->second;
      entities_.erase(it);
      for (auto& [name, members] : groups_) members.erase(id);
      delete entity;
    }
  }
  groups_.clear();
  deletionQueue_.clear();
}

void EntityHandle::Set(const Entity* entity) { id_ = entity ? entity->GetId() : 0; }

Entity* EntityHandle::Get() const {
  if (id_ == 0) return nullptr;
  Engine* engine = Engine::Current();
  return engine ? engine->GetEntityManager()->FindEntity(id_) : nullptr;
}
