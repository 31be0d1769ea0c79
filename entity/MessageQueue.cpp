#include "entity/MessageQueue.h"

#include "engine/Engine.h"
#include "entity/Entity.h"
#include "entity/EntityMessages.h"
#include "entity/MessageCheck.h"

void MessageQueue::RegisterUpdate(Entity* entity) { updateList_.emplace_back(entity); }

void MessageQueue::PostDeclared(Entity* entity, const char* name, float delay, const MessageArgs& args) {
  ReportIfUnknown(name);
  double now = Engine::Get()->GetTimer()->GetTime();
  delayed_.push_back(DelayedMessage{EntityHandle(entity), name, args, now + delay});
}

void MessageQueue::Update() {
  for (auto it = updateList_.begin(); it != updateList_.end();) {
    Entity* entity = it->Get();
    if (!entity) {
      it = updateList_.erase(it);
      continue;
    }
    entity->Send(kOnUpdate);
    ++it;
  }

  Timer* timer = Engine::Get()->GetTimer();
  for (auto it = delayed_.begin(); it != delayed_.end();) {
    Entity* target = it->target.Get();
    if (!target) {
      it = delayed_.erase(it);
      continue;
    }
    if (timer->GetTime() >= it->due) {
      target->HandleMessage(it->name, &it->args);
      it = delayed_.erase(it);
      continue;
    }
    ++it;
  }
}
