#pragma once
#include <cstdint>
#include <string>
#include <type_traits>

#include "entity/Component.h"
#include "entity/KeyValueMap.h"
#include "entity/Message.h"
#include "entity/MessageArgs.h"

class XmlReader;
class XmlWriter;
class FgdWriter;

// The base of every game object and message handler. What an entity answers to and which
// components it embeds is fixed per class, in the class's message table (see EntityClass).
class Entity {
 public:
  using ClassNameGetter = const char* (*)();

  explicit Entity(ClassNameGetter className);
  virtual ~Entity();
  Entity(const Entity&) = delete;
  Entity& operator=(const Entity&) = delete;

  // Field passes: from a map's key/value pairs, the two editor exports, save and load.
  virtual void ReadKeys(KeyValueMap& keys) = 0;
  virtual void WriteEntKeys(XmlWriter& writer) = 0;
  virtual void WriteFgdKeys(FgdWriter& writer) = 0;
  virtual void Save(XmlWriter& writer) = 0;
  virtual void Load(XmlReader& reader) = 0;

  virtual Component* GetComponent(const std::string& name) = 0;
  // The component the class embeds under C's own name (C::kComponentName), or null.
  template <class C>
  C* Find() {
    return dynamic_cast<C*>(GetComponent(C::kComponentName));
  }
  // Delivers a message by its name on the wire; a name the class does not know is ignored.
  // Code sends declared messages (Send); only names that come from data or typed text (console
  // commands, key bindings, GUI procedures) arrive here directly.
  virtual void HandleMessage(const std::string& name, MessageArgs* args) = 0;
  virtual void InitComponents() = 0;
  // Class-specific start-up, run once after InitComponents.
  virtual void OnCreate() = 0;

  uint32_t GetId() const { return id_; }
  std::string GetClassName() const { return className_(); }

  // Sends a declared message; the compiler checks the values against its argument types.
  template <class... A>
  void Send(const Message<A...>& message, const std::type_identity_t<A>&... values) {
    MessageArgs args = MessageArgs::FromValues(values...);
    SendDeclared(message.Name(), &args);
  }

  // For entities made without EntityManager::Create: InitComponents, then OnCreate.
  static void SetUp(Entity* entity);

  // Ids are unique for the life of the process, never reused; 0 means no entity.
  static uint32_t PeekNextId() { return nextId_; }

 private:
  void SendDeclared(const char* name, MessageArgs* args);

  static uint32_t nextId_;
  uint32_t id_;
  ClassNameGetter className_;
};
