#include "entity/Entity.h"

#include "engine/Engine.h"
#include "entity/MessageCheck.h"

uint32_t Entity::nextId_ = 1;

Entity::Entity(ClassNameGetter className) : id_(nextId_++), className_(className) {}

Entity::~Entity() {
  // No channel may keep a pointer to a dead entity.
  if (Engine* engine = Engine::Current()) engine->UnsubscribeAll(this);
}

void Entity::SendDeclared(const char* name, MessageArgs* args) {
  ReportIfUnknown(name);
  HandleMessage(name, args);
}

void Entity::SetUp(Entity* entity) {
  entity->InitComponents();
  entity->OnCreate();
}
