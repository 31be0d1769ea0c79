#pragma once
#include <btBulletDynamicsCommon.h>

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "platform/physics/Reports.h"

namespace platform::physics::bullet {

class BulletActor;
class BulletShape;

// Works out contact and trigger changes by comparing the touching pairs after a step with those
// of the step before (the simulator's own callbacks fire per point and repeat themselves), and
// keeps the reports until they are delivered, after the step.
class ContactTracker {
 public:
  // Reads the dispatcher's manifolds after a step that advanced the world.
  void Collect(btCollisionDispatcher& dispatcher);
  // Hands the gathered reports over; reports naming an actor released meanwhile are dropped.
  void Deliver(ContactReport* contacts, TriggerReport* triggers);
  // An actor is going away: forget its pairs, drop its reports, send no end for it.
  void Forget(const BulletActor* actor);

 private:
  struct Key {
    const BulletActor* a;
    const BulletActor* b;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const;
  };
  struct PendingContact {
    BulletActor* actors[2];
    std::vector<ContactPoint> points;
    uint32_t events;
  };
  struct PendingTrigger {
    BulletActor* trigger;
    BulletActor* other;
    uint32_t status;
  };

  void Touching(BulletActor* a, BulletActor* b, const btPersistentManifold& manifold);
  void Ended(BulletActor* a, BulletActor* b);
  void Queue(BulletActor* a, BulletActor* b, uint32_t kind, std::vector<ContactPoint> points);

  std::vector<Key> previous_;
  std::unordered_set<Key, KeyHash> previousSet_;
  std::vector<Key> current_;
  std::unordered_set<Key, KeyHash> currentSet_;
  std::vector<PendingContact> contacts_;
  std::vector<PendingTrigger> triggers_;
  std::unordered_set<const BulletActor*> released_;
};

}  // namespace platform::physics::bullet
