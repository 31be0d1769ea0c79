#pragma once
#include <list>
#include <string>
#include <type_traits>

#include "entity/EntityManager.h"
#include "entity/Message.h"
#include "entity/MessageArgs.h"

class Entity;

// The two per-frame queues: entities that get kOnUpdate every frame, and messages that fall
// due on the engine timer. Both hold entities by id, so a deleted entity simply drops out.
class MessageQueue {
 public:
  struct DelayedMessage {
    EntityHandle target;
    std::string name;
    MessageArgs args;
    double due;  // seconds on the engine timer
  };

  // No duplicate check: an entity registered twice is updated twice a frame.
  void RegisterUpdate(Entity* entity);
  // Delivers a declared message `delay` seconds from now on the engine timer.
  template <class... A>
  void Post(Entity* entity, const Message<A...>& message, float delay, const std::type_identity_t<A>&... values) {
    PostDeclared(entity, message.Name(), delay, MessageArgs::FromValues(values...));
  }

  // kOnUpdate to the update list in registration order, then every delayed message whose
  // time has come, in posting order. Entries appended meanwhile are reached in the same pass.
  void Update();

  size_t UpdateListSize() const { return updateList_.size(); }
  size_t DelayedCount() const { return delayed_.size(); }

 private:
  void PostDeclared(Entity* entity, const char* name, float delay, const MessageArgs& args);

  std::list<EntityHandle> updateList_;
  std::list<DelayedMessage> delayed_;
};
