#include "tests/ai/MuseumRoundSupport.h"

#include <strings.h>

#include <filesystem>
#include <sstream>

#include "engine/ConfigFile.h"
#include "entities/Item.h"
#include "entities/ItemRecord.h"
#include "physics/MapIndexComp.h"
#include "physics/PlayerPhysics.h"

namespace {

namespace fs = std::filesystem;

// Closer than this to where it stood, an agent has not moved.
constexpr float kStandReach = 16.0f;
// Farther than this in one frame is a jump (home, to a start, through a teleporter), not a walk.
constexpr float kJump = 100.0f;

// The size a model's load gives the body, once.
void SizeFromModel(const std::vector<MeshInfo>& meshes, const std::string& model, BoundingData& bounds) {
  if (bounds.radius != 0.0f) return;
  for (const MeshInfo& mesh : meshes) {
    if (strcasecmp(mesh.Name.c_str(), model.c_str()) != 0) continue;
    bounds.halfSizeX = mesh.BoundingBoxSize.x * 0.5f;
    bounds.halfSizeY = mesh.BoundingBoxSize.y * 0.5f;
    bounds.halfSizeZ = mesh.BoundingBoxSize.z * 0.5f;
    bounds.radius = mesh.BoundingSphereRadius;
    bounds.changed = 1;
  }
}

float Horizontal(const platform::Vector3& v) { return platform::Vec3Length({v.x, v.y, 0.0f}); }

}  // namespace

MuseumRoundTest::MuseumRoundTest() {
  const fs::path shipped = fs::path(VR_DATA_DIR) / "Data";
  for (const char* file : {"MuseumItems.xml", "MeshInfo.xml", "ActionConfig.xml", "AIConfig.xml", "LogicConfig.xml"}) {
    fs::copy_file(shipped / file, fs::path("Data") / file);
  }
  fs::copy(shipped / "gadgets", "Data/gadgets", fs::copy_options::recursive);
}

void MuseumRoundTest::StartRound() {
  if (Engine::Current()) {
    Engine::Current()->Shutdown();
    for (const auto& entry : fs::directory_iterator("Maps")) {
      if (entry.path().extension() == ".path") fs::remove(entry.path());
    }
    // The game's clock starts at zero again, as it did for the first run: times on it are the
    // same sums of the same frames, to the last bit.
    clock.Set(0);
    now_ = 0;
    wasBusted_ = false;
    busts_.clear();
    deeds_.clear();
    tracks_.clear();
  }
  StartGameSystems();
  GetLogic()->StartGame();
  ASSERT_TRUE(GetLogic()->IsInGame());
  GetLogic()->EndMapFlyThrough();
  SizeBodies();
}

void MuseumRoundTest::SizeBodies() {
  // Without the drawing no model loads: the test sizes the characters and the exhibits (new ones
  // come with every return and respawn) as the loads would.
  if (meshes_.empty()) LoadRecordFile(meshes_, kMeshInfoPath, "GraphicsLog", WhenMissing::Report);
  std::vector<Player*> thieves = ComputerThieves();
  if (Player* user = User()) thieves.push_back(user);
  for (Player* thief : thieves) {
    SizeFromModel(meshes_, thief->info.gender == "male" ? "models/thief.x" : "models/femalethief.x", thief->bounds);
  }
  for (Guard* guard : Guards()) SizeFromModel(meshes_, "models/guard.x", guard->bounds);
  for (Entity* entity : EntitiesIn(Item::kClassName, -1)) {
    auto* item = static_cast<Item*>(entity);
    if (item->record) SizeFromModel(meshes_, "models/" + item->record->modelName + ".x", item->bounds);
  }
}

std::vector<Entity*> MuseumRoundTest::EntitiesIn(const std::string& className, int32_t map) {
  std::vector<Entity*> found;
  if (const EntityList* list = GetLogic()->GetEntities(className)) {
    for (Entity& entity : *list) {
      auto* index = entity.Find<MapIndexComp>();
      if (map < 0 || (index && int32_t(index->mapIndex) == map)) found.push_back(&entity);
    }
  }
  return found;
}

std::vector<Player*> MuseumRoundTest::ComputerThieves() const {
  std::vector<Player*> thieves;
  for (Entity* entity : EntitiesIn(Player::kClassName, -1)) {
    if (entity != GetLogic()->GetPlayerEntity()) thieves.push_back(static_cast<Player*>(entity));
  }
  return thieves;
}

std::vector<Guard*> MuseumRoundTest::Guards() const {
  std::vector<Guard*> guards;
  for (Entity* entity : EntitiesIn(Guard::kClassName, -1)) guards.push_back(static_cast<Guard*>(entity));
  return guards;
}

void MuseumRoundTest::Play(double seconds) {
  for (const double end = now_ + seconds; now_ < end - 1e-9;) {
    EngineFixture::Frame(kFrame);
    now_ += kFrame;
    SizeBodies();
    const bool busted = GetLogic()->IsBusted();
    if (busted && !wasBusted_) busts_.push_back(now_);
    wasBusted_ = busted;
    for (Player* thief : ComputerThieves()) {
      FollowDeeds(*thief);
      Follow(thief->ai);
    }
    for (Guard* guard : Guards()) Follow(guard->ai);
  }
}

void MuseumRoundTest::FollowDeeds(Player& thief) {
  AgentTrack& track = tracks_[thief.GetId()];
  const int32_t map = thief.ai.GetMapIndex();
  const platform::Vector3 at = thief.ai.GetPosition();
  auto deed = [&](const char* what) { deeds_.push_back({now_, thief.GetId(), what, map, at}); };
  const bool carrying = thief.info.carriedItem != nullptr;
  if (carrying && !track.carrying) deed("take");
  if (thief.info.deliveredItems.size() > track.delivered) deed("deliver");
  if (map != track.map) deed("cross");
  track.carrying = carrying;
  track.delivered = thief.info.deliveredItems.size();
  track.map = map;
}

void MuseumRoundTest::Follow(AIComponent& agent) {
  AgentTrack& track = tracks_[agent.owner->GetId()];
  const platform::Vector3 at = agent.GetPosition();
  const float step = Horizontal(at - track.last);
  if (track.last != platform::Vector3{} && step < kJump) track.walked += step;
  track.last = at;
  // A tased agent stands frozen, and nobody moves while the busted banner shows: neither is stuck.
  const bool frozen = agent.physical && agent.physical->frozen;
  const bool wantsToMove = agent.GetCurrentAction().Speed > 0.0f && !frozen && !GetLogic()->IsRoundOver();
  if (!wantsToMove || Horizontal(at - track.stoodAt) > kStandReach) {
    track.stoodAt = at;
    track.stoodSince = now_;
  } else if (now_ - track.stoodSince > track.longestStand) {
    track.longestStand = now_ - track.stoodSince;
    track.longestStandAt = at;
  }
}

std::string MuseumRoundTest::Describe(const AIComponent& agent) {
  std::ostringstream text;
  const platform::Vector3 at = agent.GetPosition();
  text << agent.kind << " " << agent.owner->GetId() << " in map " << agent.GetMapIndex() << " at (" << at.x << ", "
       << at.y << ") state \"" << agent.GetStateName() << "\" action \"" << agent.GetCurrentAction().Name << "\"";
  return text.str();
}
