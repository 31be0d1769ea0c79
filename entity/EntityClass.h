#pragma once
#include <memory>
#include <string>
#include <utility>

#include "engine/Engine.h"
#include "entity/ClassMessageTable.h"
#include "entity/Entity.h"
#include "entity/EntityField.h"
#include "entity/EntityFields.h"
#include "entity/EntityManager.h"

// The class level between Entity and a concrete entity class T. T declares
//   static constexpr char kClassName[] = "...";
//   static void Describe(ClassBuilder<T>& c);   // its messages, components and fields
//   void OnCreate() override;
// and is registered once with RegisterEntityClass<T>(logChannel).
template <class T>
class EntityClass : public Entity {
 public:
  EntityClass() : Entity(&ClassNameOf) {}

  static const char* ClassNameOf() { return T::kClassName; }
  static ClassMessageTable* Table() { return Engine::Get()->GetMessageTables()[classIndex]; }

  void ReadKeys(KeyValueMap& keys) override {
    for (const auto& f : Table()->Fields()) f->ReadKey(this, keys);
  }
  void WriteEntKeys(XmlWriter& writer) override {
    for (const auto& f : Table()->Fields()) f->WriteEnt(this, writer);
  }
  void WriteFgdKeys(FgdWriter& writer) override {
    for (const auto& f : Table()->Fields()) f->WriteFgd(this, writer);
  }
  void Save(XmlWriter& writer) override {
    for (const auto& f : Table()->Fields()) f->Save(this, writer);
  }
  void Load(XmlReader& reader) override {
    for (const auto& f : Table()->Fields()) f->Load(this, reader);
  }
  Component* GetComponent(const std::string& name) override { return Table()->FindComponent(this, name); }
  void HandleMessage(const std::string& name, MessageArgs* args) override { Table()->Dispatch(this, name, args); }
  void InitComponents() override { Table()->InitComponents(this); }

  static inline size_t classIndex = 0;
};

// Fills one class's table; reads like the class's list of messages, components and fields.
template <class T>
class ClassBuilder {
 public:
  explicit ClassBuilder(ClassMessageTable& table) : table_(table) {}

  // Binds a handler to a declared message; its parameters must be the message's argument
  // types, or none.
  template <class... A, class... P>
    requires kHandlerFits<std::tuple<A...>, P...>
  void Message(const ::Message<A...>& message, void (T::*handler)(P...)) {
    table_.AddMessage(message.Name(), std::make_unique<MemberBinder<T, P...>>(handler, table_.LogChannel()));
  }
  // A console command or other handler given as a function of the receiving entity.
  template <class... A, class... P>
    requires kHandlerFits<std::tuple<A...>, P...>
  void Command(const ::Message<A...>& message, void (*handler)(Entity*, P...)) {
    table_.AddMessage(message.Name(), std::make_unique<FunctionBinder<P...>>(handler, table_.LogChannel()));
  }
  // An embedded component, found under its class's own name (C::kComponentName).
  template <class C>
  void Component(C T::*member) {
    table_.AddComponent(C::kComponentName, std::make_unique<MemberSlot<C>>(member));
  }
  // A plain field (int, float, bool or string) or a component member, in declaration order.
  template <class F>
  void Field(const char* name, F T::*member) {
    table_.AddField(MakeEntityField<T>(name, member));
  }
  // A field saved in a form of its own.
  void Field(std::unique_ptr<EntityField> field) { table_.AddField(std::move(field)); }

 private:
  template <class C>
  class MemberSlot : public ComponentSlot {
   public:
    explicit MemberSlot(C T::*member) : member_(member) {}
    ::Component* Get(Entity* entity) const override { return &(static_cast<T*>(entity)->*member_); }

   private:
    C T::*member_;
  };

  ClassMessageTable& table_;
};

// Creates the class's table, appends it to the engine's tables, fills it and registers the
// class's factory under its name. `logChannel` is where its handlers report bad arguments.
// Without a factory the class is made by its default constructor; a class whose objects are
// handed their services when made gets a factory that passes them on.
template <class T>
void RegisterEntityClass(const char* logChannel, EntityManager::Factory make = [] { return new T(); }) {
  Engine* engine = Engine::Get();
  auto* table = new ClassMessageTable(logChannel);
  auto& tables = engine->GetMessageTables();
  EntityClass<T>::classIndex = tables.size();
  tables.push_back(table);
  ClassBuilder<T> builder(*table);
  T::Describe(builder);
  engine->GetEntityManager()->RegisterClass(std::move(make), T::kClassName);
}
