#include "tests/ai/AgentTestSupport.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/core/Random.h"

namespace {

// Where a ray from `origin` along unit `d` enters the box, or a negative number.
float RayBox(const platform::Vector3& origin, const platform::Vector3& d, const RecordingWorld::Wall& wall) {
  float near = 0, far = std::numeric_limits<float>::max();
  const float o[3] = {origin.x, origin.y, origin.z}, dir[3] = {d.x, d.y, d.z};
  const float lo[3] = {wall.min.x, wall.min.y, wall.min.z}, hi[3] = {wall.max.x, wall.max.y, wall.max.z};
  for (int axis = 0; axis < 3; ++axis) {
    if (dir[axis] == 0) {
      if (o[axis] < lo[axis] || o[axis] > hi[axis]) return -1;
      continue;
    }
    float t0 = (lo[axis] - o[axis]) / dir[axis], t1 = (hi[axis] - o[axis]) / dir[axis];
    if (t0 > t1) std::swap(t0, t1);
    near = std::max(near, t0);
    far = std::min(far, t1);
    if (near > far) return -1;
  }
  return near;
}

constexpr float kAgentRadius = 16.0f;

// Where a ray enters a ball, or a negative number; a ball holding the origin is not met.
float RayBall(const platform::Vector3& origin, const platform::Vector3& d, const platform::Vector3& centre) {
  const platform::Vector3 toCentre = centre - origin;
  if (platform::Vec3LengthSq(toCentre) <= kAgentRadius * kAgentRadius) return -1;
  const float along = platform::Vec3Dot(toCentre, d);
  const float missSq = platform::Vec3LengthSq(toCentre) - along * along;
  if (along < 0 || missSq > kAgentRadius * kAgentRadius) return -1;
  return along - std::sqrt(kAgentRadius * kAgentRadius - missSq);
}

}  // namespace

void TestAgent::Describe(ClassBuilder<TestAgent>& c) {
  c.Component(&TestAgent::physical);
  c.Component(&TestAgent::playerPhysics);
  c.Component(&TestAgent::mapIndex);
  c.Component(&TestAgent::ai);
}

void TestPlace::Describe(ClassBuilder<TestPlace>& c) {
  c.Component(&TestPlace::physical);
  c.Component(&TestPlace::mapIndex);
}

std::vector<Entity*> RecordingWorld::GetEntities(const std::string& className) const {
  std::vector<Entity*> live;
  auto found = lists.find(className);
  if (found == lists.end()) return live;
  for (const EntityHandle& handle : found->second) {
    if (Entity* entity = handle.Get()) live.push_back(entity);
  }
  return live;
}

bool RecordingWorld::CastRay(const platform::Vector3& origin, const platform::Vector3& direction,
                             AgentRayHit& hit) const {
  const platform::Vector3 d = platform::Vec3Normalize(direction);
  float nearest = std::numeric_limits<float>::max();
  Entity* met = nullptr;
  if (floor && d.z < 0 && origin.z >= 0) nearest = origin.z / -d.z;
  for (const Wall& wall : walls) {
    const float t = RayBox(origin, d, wall);
    if (t >= 0 && t < nearest) {
      nearest = t;
      met = nullptr;
    }
  }
  for (const auto& [id, unused] : gear) {
    auto* agent = dynamic_cast<TestAgent*>(Engine::Get()->GetEntityManager()->FindEntity(id));
    if (!agent) continue;
    const float t = RayBall(origin, d, agent->physical.GetPosition());
    if (t >= 0 && t < nearest) {
      nearest = t;
      met = agent;
    }
  }
  if (nearest == std::numeric_limits<float>::max()) return false;
  hit.distance = nearest;
  hit.entity = met;
  return true;
}

void RecordingWorld::MovePlayerToStart(Entity& thief) {
  if (auto* agent = dynamic_cast<TestAgent*>(&thief)) agent->physical.SetPosition(start);
  gear[thief.GetId()].boxes = 1;
  journal.push_back("start " + std::to_string(thief.GetId()));
}

Entity* RecordingWorld::CreateEntity(const std::string& className) {
  // Guards and thieves are test agents here.
  const bool agent = className == "Guard" || className == "Player";
  Entity* entity = Engine::Get()->GetEntityManager()->Create(agent ? TestAgent::kClassName : className);
  if (entity) gear[entity->GetId()];
  return entity;
}

RecordingWorld::Gear RecordingWorld::GearOf(const Entity& entity) const {
  auto found = gear.find(entity.GetId());
  return found == gear.end() ? Gear{} : found->second;
}

Entity* RecordingWorld::GetTouchedTeleporter(const Entity&) const { return nullptr; }

void RecordingWorld::Fire(Entity& thief) {
  Gear& g = gear[thief.GetId()];
  if (g.gadget == 2) g.inBox = !g.inBox;
  journal.push_back("fire " + std::to_string(g.gadget));
}

void RecordingWorld::FireAt(Entity& thief, const platform::Vector3& point) {
  journal.push_back("fire " + std::to_string(GearOf(thief).gadget) + " at " + std::to_string(std::lround(point.x)) +
                    " " + std::to_string(std::lround(point.y)) + " " + std::to_string(std::lround(point.z)));
}

void RecordingWorld::ReturnCarriedItem(Entity& thief) {
  if (!gear[thief.GetId()].carrying) return;
  gear[thief.GetId()].carrying = false;
  journal.push_back("return item");
}

void RecordingWorld::Deliver(Entity& dropoff, Entity& thief) {
  if (!gear[thief.GetId()].carrying) return;
  gear[thief.GetId()].carrying = false;
  journal.push_back("deliver at " + std::to_string(dropoff.GetId()));
}

bool RecordingWorld::IsTeleporterBanned(const Entity& teleporter) const {
  auto found = teleporters.find(teleporter.GetId());
  return found != teleporters.end() && found->second.banned;
}

Entity* RecordingWorld::GetTeleporterTarget(const Entity& teleporter) const {
  auto found = teleporters.find(teleporter.GetId());
  return found == teleporters.end() ? nullptr : found->second.target.Get();
}

std::string RecordingWorld::GetFollowOnName(const Entity& target) const {
  for (const auto& [id, t] : teleporters) {
    if (t.target.Id() == target.GetId()) return t.followOn;
  }
  return "";
}

std::string RecordingWorld::GetTeleporterName(const Entity& teleporter) const {
  auto found = teleporters.find(teleporter.GetId());
  return found == teleporters.end() ? "" : found->second.name;
}

void RecordingWorld::Teleport(Entity& teleporter, Entity& thief) {
  Entity* target = GetTeleporterTarget(teleporter);
  auto* body = thief.Find<PhysicalComp>();
  auto* map = thief.Find<MapIndexComp>();
  if (!target || !body || !map) return;
  body->SetPosition(target->Find<PhysicalComp>()->GetPosition());
  map->mapIndex = target->Find<MapIndexComp>()->mapIndex;
  journal.push_back("teleport " + std::to_string(teleporter.GetId()));
}

void RecordingWorld::DisableLaser(Entity& laser, float seconds) {
  disabledLasers.insert(laser.GetId());
  journal.push_back("disable laser for " + std::to_string(std::lround(seconds)));
}

void RecordingWorld::PlaySound(const std::string& name, Entity& at) {
  journal.push_back("sound " + name + " at " + std::to_string(at.GetId()));
}

void WalkingRoute::Reset() {
  points_.clear();
  done = 0;
  nudges = 0;
  if (agent_.physical) agent_.physical->SetDirection(homeFacing);
}

void WalkingRoute::PlanTo(Entity& target) {
  if (auto* physical = target.Find<PhysicalComp>()) PlanToPoint(physical->GetPosition());
}

void WalkingRoute::PlanToPoint(const platform::Vector3& point) {
  Reset();
  for (const platform::Vector3& blocked : unreachable) {
    if (platform::Vec3LengthSq(blocked - point) < 1.0f) return;
  }
  points_ = {point};
}

bool WalkingRoute::HasPatrolPath(int32_t index) const {
  return index >= 0 && static_cast<size_t>(index) < patrols_.size();
}

bool WalkingRoute::TakePatrolPath(int32_t index) {
  if (!HasPatrolPath(index)) return false;
  points_ = patrols_[static_cast<size_t>(index)];
  return true;
}

void WalkingRoute::Walk(const platform::Vector3& goal, float dt) {
  platform::Vector3 toward = goal - agent_.GetPosition();
  toward.z = 0;
  const platform::Vector3 d = platform::Vec3Normalize(toward);
  agent_.physical->SetDirection(-d);
  agent_.playerPhysics->move = agent_.playerPhysics->move + d * (agent_.playerPhysics->speed * dt);
}

void WalkingRoute::Update(float dt, int32_t) {
  if (points_.empty()) {
    done = 1;
    return;
  }
  platform::Vector3 toward = points_.front() - agent_.GetPosition();
  toward.z = 0;
  if (platform::Vec3LengthSq(toward) <= 16.0f * 16.0f) {
    points_.erase(points_.begin());
    if (points_.empty()) done = 1;
    return;
  }
  Walk(points_.front(), dt);
}

void WalkingRoute::SteerTo(Entity& target, float dt) {
  if (auto* physical = target.Find<PhysicalComp>()) {
    agent_.playerPhysics->move = {};
    Walk(physical->GetPosition(), dt);
  }
}

AgentTest::AgentTest() {
  Bare();
  RegisterEntityClass<TestAgent>("AI Log");
  RegisterEntityClass<TestPlace>("AI Log");
  roster.SetWorld(&world);
  ai.GetActionSets().Load(std::string(VR_DATA_DIR) + "/" + kActionConfigPath);
  ai.GetActionSets().LowerCaseNames();
  AIConfig& config = ai.GetConfig();
  config.EnableAI = config.ChaseThieves = config.AvoidGuards = true;
  config.GUARD_VISION_RANGE = 360000;
  config.THIEF_VISION_RANGE = 250000;
  config.LISTEN_RANGE_MODIFIER = 1;
  config.ITEM_STEAL_RADIUS = 600;
  config.TRIP_DISABLE_RADIUS = 500;
  config.TRIP_LASER_STUN_TIME = 10;
  const char* maps[] = {"lobby.bsp", "gallery.bsp", "vault.bsp"};
  for (int32_t i = 0; i < 3; ++i) ai.OnMapLoad(maps[i], i);
  roster.SetRouteFactory([this](AIComponent& agent) { return std::make_unique<WalkingRoute>(agent, patrols); });
  platform::SeedRandom(777);
}

AgentTest::~AgentTest() {
  // The agents go before the AI they are listed in.
  Engine::Get()->GetEntityManager()->DeleteAll();
}

TestAgent* AgentTest::Thief(const platform::Vector3& at, uint32_t map) {
  auto* agent = static_cast<TestAgent*>(world.CreateEntity(TestAgent::kClassName));
  agent->mapIndex.mapIndex = map;
  agent->physical.SetPosition(at);
  agent->ai.homePosition = at;
  agent->ai.CreateBrain("thief");
  return agent;
}

TestAgent* AgentTest::Guard(const platform::Vector3& at, uint32_t map) {
  TestAgent* agent = Thief(at, map);
  agent->ai.CreateBrain("guard");
  return agent;
}

TestPlace* AgentTest::Place(const std::string& className, const platform::Vector3& at, uint32_t map) {
  auto* place = static_cast<TestPlace*>(Engine::Get()->GetEntityManager()->Create(TestPlace::kClassName));
  place->mapIndex.mapIndex = map;
  place->physical.SetPosition(at);
  world.lists[className].emplace_back(place);
  return place;
}

void AgentTest::Frame(float dt) {
  clock.AdvanceSeconds(dt);
  Engine::Get()->GetTimer()->Update();
  roster.UpdateAgents(dt);
  for (AIComponent* agent : roster.GetAgents()) {
    if (!agent->playerPhysics || !agent->physical) continue;
    agent->physical->SetPosition(agent->GetPosition() + agent->playerPhysics->move);
  }
}

void AgentTest::Run(float seconds) {
  for (float t = 0; t < seconds; t += kFrame) Frame();
}
