#include "ai/agents/ActionExecutor.h"


#include "ai/AIComponent.h"
#include "ai/AIConfig.h"
#include "ai/agents/AgentFinders.h"
#include "ai/agents/AgentRoster.h"
#include "ai/agents/AgentWorld.h"
#include "ai/agents/GadgetIndex.h"
#include "ai/agents/GuardBrain.h"
#include "entity/Entity.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/core/Random.h"

namespace {

// A thief under its box carries on with a stock that never runs out mid-errand.
constexpr int32_t kBoxStock = 10;
constexpr float kSnoreHeight = 25.0f;
constexpr float kWanderReach = 2000.0f;
constexpr float kSearchReach = 500.0f;

}  // namespace

ActionExecutor::ActionExecutor(AIComponent& agent, AgentRoster& roster, AgentWorld& world)
    : agent_(agent), roster_(roster), world_(world), owner_(*agent.owner) {}

const std::map<std::string, ActionExecutor::Handler>& ActionExecutor::Table() {
  static const std::map<std::string, Handler> table = {
      {"face", &ActionExecutor::Face},
      {"patrol", &ActionExecutor::Patrol},
      {"wander", &ActionExecutor::Wander},
      {"move", &ActionExecutor::Move},
      {"obtain", &ActionExecutor::PlanToTarget},
      {"battery", &ActionExecutor::PlanToTarget},
      {"search", &ActionExecutor::Search},
      {"attack", &ActionExecutor::Attack},
      {"use box", &ActionExecutor::UseBox},
      {"complete", &ActionExecutor::Complete},
      {"surprise", &ActionExecutor::Surprise},
      {"confuse", &ActionExecutor::Confuse},
      {"sleep", &ActionExecutor::Sleep},
      {"chase", &ActionExecutor::Chase},
      {"chase player", &ActionExecutor::Chase},
      {"wake up", &ActionExecutor::WakeUp},
  };
  return table;
}

bool ActionExecutor::IsConfinedMap(const std::string& mapName) {
  return mapName == "sewers.bsp" || mapName == "vents.bsp" || mapName == "foyer2.bsp" || mapName == "outside.bsp";
}

void ActionExecutor::Execute(AIAction& action) {
  ++agent_.actionsStarted;
  agent_.voice.Pause();
  agent_.actionTimer = 0;
  action.started = 1;
  agent_.asleep = 0;
  auto found = Table().find(action.Name);
  if (found != Table().end()) (this->*found->second)(action.target.Get());
}

void ActionExecutor::FaceAwayFrom(Entity& target) {
  auto* physical = target.Find<PhysicalComp>();
  if (physical && agent_.physical) agent_.physical->SetDirection(agent_.GetPosition() - physical->GetPosition());
}

void ActionExecutor::Face(Entity* target) {
  if (target) FaceAwayFrom(*target);
}

void ActionExecutor::Patrol(Entity*) {
  if (auto* brain = dynamic_cast<GuardBrain*>(agent_.brain.get())) brain->RenewPatrolPath();
}

void ActionExecutor::Wander(Entity*) {
  if (!agent_.brain) return;
  if (Entity* goal = agent_.brain->NextTarget(kWanderReach)) agent_.route->PlanTo(*goal);
}

void ActionExecutor::PlanToTarget(Entity* target) {
  if (target) agent_.route->PlanTo(*target);
}

void ActionExecutor::Move(Entity* target) {
  if (InConfinedMap() && world_.IsInBox(owner_)) {
    world_.SelectGadget(owner_, gadget::kBox);
    world_.SetBoxes(owner_, kBoxStock);
    world_.Fire(owner_);
  }
  const std::string& state = agent_.GetStateName();
  if (state == "sleep" && agent_.IsGuard()) {
    agent_.route->PlanToPoint(agent_.homePosition);
    return;
  }
  PlanToTarget(target);
  if (state == "drop off" && world_.CarriesItem(owner_) && !world_.IsInBox(owner_)) {
    world_.SelectGadget(owner_, gadget::kBox);
    world_.Fire(owner_);
    world_.SetBoxes(owner_, kBoxStock);
  }
  // Away from the user's eyes a carried item may score without the walk.
  if (state == "drop off" && !InControlledMap() && platform::Random() % (4 - roster_.GetDifficulty()) == 0) {
    if (DeliverFromAfar()) agent_.Respawn();
    return;
  }
  if (state == "drop off" && InConfinedMap() && roster_.GetDifficulty() > 1 && platform::Random() % 3 == 1 &&
      !InControlledMap()) {
    DeliverFromAfar();
    return;
  }
  if (agent_.route->HasRoute()) return;
  if (InConfinedMap()) {
    agent_.Respawn();
    return;
  }
  Entity* teleporter = AgentFinders(agent_, world_).FindNearestTeleporter();
  if (!teleporter) return;
  agent_.route->PlanTo(*teleporter);
  if (!agent_.route->HasRoute() || agent_.route->NodeCount() == 0) {
    // Standing at the teleporter already: the next update goes through it.
    agent_.route->teleportOnArrival = 1;
    agent_.route->done = 1;
  }
}

bool ActionExecutor::DeliverFromAfar() {
  Entity* dropoff = AgentFinders(agent_, world_).FindDropoff();
  if (!dropoff) return false;
  world_.Deliver(*dropoff, owner_);
  return true;
}

void ActionExecutor::Search(Entity*) {
  AgentFinders finders(agent_, world_);
  if (!InConfinedMap() && finders.PickRandomItemSpawn()) {
    Entity* goal = platform::Random() % 10 < 8 && agent_.brain ? agent_.brain->NextTarget(kSearchReach)
                                                         : agent_.targets.spawn.Get();
    if (goal) agent_.route->PlanTo(*goal);
    return;
  }
  const std::vector<Entity*> teleporters = world_.GetEntities("Teleporter");
  // With one way out the thief may go back the way it came.
  if (teleporters.size() == 1) agent_.lastTeleporterTarget = EntityHandle();
  std::vector<Entity*> candidates;
  for (Entity* teleporter : teleporters) {
    if (world_.IsTeleporterBanned(*teleporter) || !world_.GetTeleporterTarget(*teleporter)) continue;
    if (teleporter->GetId() == agent_.lastTeleporterTarget.Id()) continue;
    auto* map = teleporter->Find<MapIndexComp>();
    if (map && static_cast<int32_t>(map->mapIndex) == agent_.GetMapIndex()) candidates.push_back(teleporter);
  }
  if (!candidates.empty()) {
    Entity* chosen = candidates[static_cast<size_t>(platform::Random()) % candidates.size()];
    agent_.chosenTeleporter.Set(chosen);
    auto* physical = chosen->Find<PhysicalComp>();
    agent_.route->PlanToPoint(physical ? physical->GetPosition() : platform::Vector3{});
    agent_.route->teleportOnArrival = 1;
    if (!agent_.route->HasRoute()) agent_.Respawn();
    return;
  }
  if (!agent_.brain) return;
  if (Entity* goal = agent_.brain->NextTarget(kSearchReach)) agent_.route->PlanTo(*goal);
}

void ActionExecutor::UseBox(Entity*) {
  world_.SelectGadget(owner_, gadget::kBox);
  world_.Fire(owner_);
  world_.SetBoxes(owner_, kBoxStock);
}

void ActionExecutor::Attack(Entity* target) {
  if (!target) return;
  auto* rival = target->Find<AIComponent>();
  if (!rival) {
    world_.DisableLaser(*target, roster_.Config().TRIP_LASER_STUN_TIME);
    return;
  }
  world_.SelectGadget(owner_, gadget::kTaser);
  platform::Vector3 aim = rival->GetPosition() - agent_.GetPosition();
  if (!rival->IsThief() && world_.GetBoxes(owner_) >= 1) {
    if (world_.CarriesItem(owner_) && !world_.IsInBox(owner_) && platform::Random() % 5 == 3) {
      UseBox(target);
      return;
    }
    if (world_.IsSmokeTarget(*target)) {
      // A grenade lobbed short and high lands at the guard's feet.
      world_.SelectGadget(owner_, gadget::kSmokeGrenade);
      aim = {0.6f * aim.x, 0.6f * aim.y, 0.6f * (aim.z + 20.0f)};
    }
  }
  world_.FireAt(owner_, agent_.GetPosition() + aim);
}

void ActionExecutor::Complete(Entity*) { agent_.CompleteAction(); }

void ActionExecutor::Surprise(Entity* target) {
  if (!target) return;
  PlayIfControlled("surprised", target);
  FaceAwayFrom(*target);
}

void ActionExecutor::Confuse(Entity* target) { PlayIfControlled("confused", target); }

void ActionExecutor::Sleep(Entity*) {
  agent_.voice.physical.SetPosition(agent_.GetPosition() + platform::Vector3{0, 0, kSnoreHeight});
  if (InControlledMap()) agent_.voice.Play();
  agent_.asleep = 1;
}

void ActionExecutor::Chase(Entity*) { agent_.route->Reset(); }

void ActionExecutor::WakeUp(Entity*) {
  agent_.voice.Pause();
  agent_.voice.Rewind();
  agent_.asleep = 0;
}

bool ActionExecutor::InConfinedMap() const { return IsConfinedMap(roster_.GetMapName(agent_.GetMapIndex())); }

bool ActionExecutor::InControlledMap() const {
  Entity* player = world_.GetControlledPlayer();
  auto* map = player ? player->Find<MapIndexComp>() : nullptr;
  return map && static_cast<int32_t>(map->mapIndex) == agent_.GetMapIndex();
}

void ActionExecutor::PlayIfControlled(const char* sound, Entity* target) {
  if (!target || target != world_.GetControlledPlayer()) return;
  world_.PlaySound(sound, owner_);
}
