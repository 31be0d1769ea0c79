#include "platform/physics/bullet/ContactTracker.h"

#include <functional>

#include "platform/physics/bullet/BulletActor.h"
#include "platform/physics/bullet/Convert.h"

namespace platform::physics::bullet {
namespace {

// Resting contacts hover about zero; a point further apart than this is only a prediction.
constexpr float kTouchDistance = 0.1f;

bool Touches(const btPersistentManifold& m) {
  for (int i = 0; i < m.getNumContacts(); ++i)
    if (m.getContactPoint(i).getDistance() <= kTouchDistance) return true;
  return false;
}

enum PairKind : uint32_t { kContactPair, kTriggerPair, kNoReport };

// Contacts between solid actors that asked for reports; triggers with the dynamic shapes and
// controllers that reach into them.
PairKind KindOf(const BulletActor& a, const BulletActor& b) {
  const bool ta = a.IsTrigger(), tb = b.IsTrigger();
  if (ta != tb) {
    const BulletActor& other = ta ? b : a;
    return other.GetKind() == BulletActor::Kind::Static ? kNoReport : kTriggerPair;
  }
  if (ta) return kNoReport;
  return (a.ContactFlags() | b.ContactFlags()) ? kContactPair : kNoReport;
}

}  // namespace

size_t ContactTracker::KeyHash::operator()(const Key& k) const {
  return std::hash<const void*>()(k.a) * 31 + std::hash<const void*>()(k.b);
}

void ContactTracker::Collect(btCollisionDispatcher& dispatcher) {
  current_.clear();
  currentSet_.clear();
  for (int i = 0; i < dispatcher.getNumManifolds(); ++i) {
    const btPersistentManifold& m = *dispatcher.getManifoldByIndexInternal(i);
    BulletActor* a = ActorOf(m.getBody0());
    BulletActor* b = ActorOf(m.getBody1());
    if (!a || !b || KindOf(*a, *b) == kNoReport || !Touches(m)) continue;
    Touching(a, b, m);
  }
  for (const Key& key : previous_)
    if (!currentSet_.count(key)) Ended(const_cast<BulletActor*>(key.a), const_cast<BulletActor*>(key.b));
  previous_.swap(current_);
  previousSet_.swap(currentSet_);
}

void ContactTracker::Touching(BulletActor* a, BulletActor* b, const btPersistentManifold& m) {
  // Compound bodies can share a pair across several manifolds: the first one decides.
  const Key key{a, b};
  if (!currentSet_.insert(key).second) return;
  current_.push_back(key);
  const bool started = !previousSet_.count(key);
  std::vector<ContactPoint> points;
  for (int i = 0; i < m.getNumContacts(); ++i) {
    const btManifoldPoint& p = m.getContactPoint(i);
    points.push_back({FromBt(p.getPositionWorldOnB()), FromBt(p.m_normalWorldOnB), p.getDistance()});
  }
  if (KindOf(*a, *b) == kTriggerPair) {
    Queue(a, b, started ? uint32_t{kTriggerStatusEnter} : uint32_t{kTriggerStatusStay}, {});
  } else {
    Queue(a, b, started ? uint32_t{kNotifyOnStartTouch | kNotifyOnTouch} : uint32_t{kNotifyOnTouch}, std::move(points));
  }
}

void ContactTracker::Ended(BulletActor* a, BulletActor* b) {
  Queue(a, b, KindOf(*a, *b) == kTriggerPair ? uint32_t{kTriggerStatusLeave} : uint32_t{kNotifyOnEndTouch}, {});
}

void ContactTracker::Queue(BulletActor* a, BulletActor* b, uint32_t kind, std::vector<ContactPoint> points) {
  if (KindOf(*a, *b) == kTriggerPair) {
    BulletActor* trigger = a->IsTrigger() ? a : b;
    triggers_.push_back({trigger, trigger == a ? b : a, kind});
    return;
  }
  const uint32_t events = kind & (a->ContactFlags() | b->ContactFlags());
  if (events) contacts_.push_back({{a, b}, std::move(points), events});
}

void ContactTracker::Deliver(ContactReport* contacts, TriggerReport* triggers) {
  // Handlers may release actors; what they release is noted and its reports skipped.
  released_.clear();
  auto pendingContacts = std::move(contacts_);
  auto pendingTriggers = std::move(triggers_);
  contacts_.clear();
  triggers_.clear();
  const auto gone = [&](const BulletActor* x) { return released_.count(x) != 0; };
  for (PendingContact& c : pendingContacts) {
    if (!contacts || gone(c.actors[0]) || gone(c.actors[1])) continue;
    contacts->OnContactNotify({{c.actors[0], c.actors[1]}, c.points}, c.events);
  }
  for (const PendingTrigger& t : pendingTriggers) {
    if (!triggers || gone(t.trigger) || gone(t.other)) continue;
    Shape* triggerShape = nullptr;
    for (uint32_t i = 0; i < t.trigger->GetNbShapes() && !triggerShape; ++i)
      if (t.trigger->GetShapes()[i]->IsTrigger()) triggerShape = t.trigger->GetShapes()[i];
    Shape* otherShape = t.other->GetNbShapes() ? t.other->GetShapes()[0] : nullptr;
    if (triggerShape && otherShape && (triggerShape->GetFlags() & t.status))
      triggers->OnTrigger(*triggerShape, *otherShape, t.status);
  }
  released_.clear();
}

void ContactTracker::Forget(const BulletActor* actor) {
  released_.insert(actor);
  const auto involves = [&](const Key& k) { return k.a == actor || k.b == actor; };
  std::erase_if(previous_, involves);
  std::erase_if(previousSet_, involves);
  std::erase_if(contacts_, [&](const PendingContact& c) { return c.actors[0] == actor || c.actors[1] == actor; });
  std::erase_if(triggers_, [&](const PendingTrigger& t) { return t.trigger == actor || t.other == actor; });
}

}  // namespace platform::physics::bullet
