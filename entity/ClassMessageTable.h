#pragma once
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "entity/HandlerBinder.h"

class Component;
class Entity;
class EntityField;

// Finds one embedded component inside an entity of its class.
class ComponentSlot {
 public:
  virtual ~ComponentSlot() = default;
  virtual Component* Get(Entity* entity) const = 0;
};

// Everything an entity class answers to: message names to handlers, component names to the
// embedded members, and the class's fields in declaration order. One per class, shared by all
// its entities, owned by the engine for the life of the process.
class ClassMessageTable {
 public:
  explicit ClassMessageTable(const char* logChannel) : logChannel_(logChannel) {}
  virtual ~ClassMessageTable();

  // A second binding of the same name replaces the first.
  void AddMessage(const std::string& name, std::unique_ptr<HandlerBinder> binder);
  void AddComponent(const std::string& name, std::unique_ptr<ComponentSlot> slot);
  void AddField(std::unique_ptr<EntityField> field);

  HandlerBinder* FindMessage(const std::string& name) const;
  Component* FindComponent(Entity* entity, const std::string& name) const;
  // Delivers a message to `entity`; names the table lacks are ignored without a word.
  void Dispatch(Entity* entity, const std::string& name, MessageArgs* args) const;
  // Attaches and activates every component, in name order.
  void InitComponents(Entity* entity) const;

  const std::vector<std::unique_ptr<EntityField>>& Fields() const { return fields_; }
  const char* LogChannel() const { return logChannel_; }

 private:
  const char* logChannel_;
  std::unordered_map<std::string, std::unique_ptr<HandlerBinder>> messages_;
  std::map<std::string, std::unique_ptr<ComponentSlot>> components_;
  std::vector<std::unique_ptr<EntityField>> fields_;
};
