#pragma once
#include <cstdint>
#include <functional>
#include <list>
#include <map>
#include <string>
#include <unordered_map>

class Entity;
class XmlReader;
class XmlWriter;

// Owns every entity of the process: creates them by class name, keeps them by id, gathers them
// into named groups and deletes them only at the start of a frame, so that nothing dies while
// messages are being delivered.
class EntityManager {
 public:
  using Factory = std::function<Entity*()>;

  EntityManager() = default;
  EntityManager(const EntityManager&) = delete;
  EntityManager& operator=(const EntityManager&) = delete;
  ~EntityManager();

  void RegisterClass(Factory factory, const std::string& className);
  bool IsRegistered(const std::string& className) const { return factories_.count(className) != 0; }

  // Makes an entity and enters it, without setting up its components.
  Entity* Instantiate(const std::string& className);
  // Instantiate, then InitComponents and OnCreate: the ordinary way to make an entity.
  Entity* Create(const std::string& className);
  // As Create, with the entity's fields loaded from its own XML file first.
  Entity* CreateFromFile(const std::string& className, const std::string& path);
  static void LoadEntityConfig(Entity* entity, const std::string& path);
  static void LoadEntityElement(XmlReader& reader, Entity* entity);

  void AddEntity(Entity* entity);
  Entity* FindEntity(uint32_t id) const;

  // The entity stays fully alive until the next ProcessDeletions.
  void QueueDelete(Entity* entity);
  void QueueDelete(uint32_t id) { deletionQueue_.push_back(id); }
  // True while the id waits in the deletion queue.
  bool IsQueuedForDeletion(uint32_t id) const;
  void ProcessDeletions();

  void BeginGroup(const std::string& name);
  void DeleteGroup(const std::string& name);
  bool HasGroup(const std::string& name) const { return groups_.count(name) != 0; }
  void DeleteAll();

  // Entity definitions for the level editor, one per registered class.
  void ExportEnt();
  void ExportDef();
  void ExportFgd();
  static void WritePoint(XmlWriter& writer, Entity* entity, const std::string& className);

  size_t Count() const { return entities_.size(); }

 private:
  std::map<std::string, Factory> factories_;
  // Looked up by id many times a frame; ordered walks sort the ids first.
  std::unordered_map<uint32_t, Entity*> entities_;
  std::map<std::string, std::map<uint32_t, Entity*>> groups_;
  std::list<uint32_t> deletionQueue_;
};

// A weak reference to an entity by id: resolves to null once the entity is gone.
class EntityHandle {
 public:
  EntityHandle() = default;
  explicit EntityHandle(uint32_t id) : id_(id) {}
  explicit EntityHandle(const Entity* entity) { Set(entity); }

  void Set(const Entity* entity);
  Entity* Get() const;
  uint32_t Id() const { return id_; }

 private:
  uint32_t id_ = 0;
};
