#include "platform/physics/bullet/Husks.h"

#include <unordered_map>

#include "platform/physics/bullet/BulletActor.h"

namespace platform::physics::bullet {
namespace {

std::unordered_map<const Actor*, std::unique_ptr<BulletActor>>& Yard() {
  static std::unordered_map<const Actor*, std::unique_ptr<BulletActor>> yard;
  return yard;
}

}  // namespace

void KeepHusk(std::unique_ptr<BulletActor> actor) {
  const Actor* key = actor.get();
  Yard()[key] = std::move(actor);
}

bool IsHusk(const Actor* actor) { return Yard().count(actor) != 0; }

void FreeHusk(const Actor* actor) { Yard().erase(actor); }

}  // namespace platform::physics::bullet
