#include "player/gadgets/SuctionCup.h"

#include "physics/Physics.h"
#include "player/PlayerMessages.h"

namespace {
constexpr float kStandOff = 25.0f;
constexpr float kStuckFor = 2.0f;
}  // namespace

void SuctionCup::Describe(ClassBuilder<SuctionCup>& c) {
  c.Component(&SuctionCup::model);
  c.Component(&SuctionCup::bounds);
  c.Component(&SuctionCup::physical);
  c.Component(&SuctionCup::cluster);
  c.Message(kOnStartTouch, &SuctionCup::OnStartTouch);
  c.Message(kDestroy, &SuctionCup::Destroy);
  c.Field("PhysicalComp", &SuctionCup::physical);
}

// Its contacts are reported, not resolved: it flies into whatever it meets.
SuctionCup::SuctionCup(const GameServices& services) : services_(services) {
  physical.collisionResponse = 0;
  physical.sendOnStartTouch = 1;
}

void SuctionCup::OnCreate() { model.Load("suctioncup"); }

void SuctionCup::OnStartTouch(Entity*) {
  if (stuck) return;
  physical.RequestFreeze();
  Physics* physics = services_.engine.GetPhysics();
  // A report without a point leaves the cup where it is.
  if (physics && !physics->GetContactPoints().empty()) {
    const platform::Vector3 flight = platform::Vec3Normalize(physical.GetVelocity());
    physical.SetPositionCached(physics->GetContactPoints().front() - flight * kStandOff);
  }
  stuck = true;
  services_.engine.GetMessageQueue()->Post(this, kDestroy, kStuckFor);
}

void SuctionCup::Destroy() { services_.engine.GetEntityManager()->QueueDelete(this); }
