#include "entities/TripLaser.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "ai/AIComponent.h"
#include "engine/Engine.h"
#include "ai/AlarmMessage.h"
#include "entities/NearestWall.h"
#include "entities/TripLaserTrigger.h"
#include "entity/EntityMessages.h"
#include "graphics/Graphics.h"
#include "graphics/ModelRecord.h"
#include "physics/Physics.h"
#include "player/LogicServices.h"
#include "player/PlayerInfo.h"
#include "player/PlayerMessages.h"

namespace {

inline constexpr Message<> kResetAlarm{"ResetAlarm"};
inline constexpr Message<> kResetTased{"ResetTased"};

constexpr float kWallGap = 2.0f;
constexpr float kBeamHeight = 1.0f;
// A beam ending this close (squared) to its rest end is unbroken.
constexpr float kBreakTolerance = 1.0f;

// The start-up texture coordinates (tu1, tv1, tu2, tv2) of the four corners.
constexpr float kStartCoordinates[4][4] = {{0, 0.01f, 0, 0.0005f}, {0, 0, 0, 0}, {1, 0, 8, 0}, {1, 0.01f, 8, 0.0005f}};

void LogicLog(Engine& engine, const std::string& text) { engine.GetLog()->Write("LogicLog", text, 2); }

// A thief by its AI: a guard or a stray body in the beam raises nothing.
bool IsThief(Entity* entity) {
  if (!entity || !entity->Find<PlayerInfo>()) return false;
  const auto* ai = entity->Find<AIComponent>();
  return ai && ai->kind == "thief";
}

void SetCorner(BeamVertex& v, const platform::Vector3& at) {
  v.x = at.x;
  v.y = at.y;
  v.z = at.z;
}

}  // namespace

void TripLaser::Describe(ClassBuilder<TripLaser>& c) {
  c.Component(&TripLaser::physical);
  c.Component(&TripLaser::model);
  c.Component(&TripLaser::mapIndex);
  c.Message(kOnUpdate, &TripLaser::Update);
  c.Message(kResetAlarm, &TripLaser::ResetAlarm);
  c.Message(kResetTased, &TripLaser::ResetTased);
  c.Message(kDisable, &TripLaser::Disable);
}

TripLaser::TripLaser(const GameServices& services) : services_(services) { physical.createActor = 0; }

TripLaser::~TripLaser() {
  services_.logic.UnregisterEntity(kClassName, *this);
  if (Graphics* graphics = services_.engine.GetGraphics()) graphics->GetModelScene().GetLasers().Remove(this);
}

void TripLaser::OnCreate() {
  model.Load("tripLaser");
  if (ModelRecord* record = model.GetModel()) record->textureSwap = true;
  physical.isStatic = 1;
  for (int i = 0; i < 4; ++i) {
    vertices[i].tu1 = kStartCoordinates[i][0];
    vertices[i].tv1 = kStartCoordinates[i][1];
    vertices[i].tu2 = kStartCoordinates[i][2];
    vertices[i].tv2 = kStartCoordinates[i][3];
  }
  if (!MountOnWall()) {
    const platform::Vector3 p = physical.GetPosition();
    std::ostringstream text;
    text << "TripLaser at (" << p.x << ", " << p.y << ", " << p.z << ") finds no wall: it stays switched off";
    LogicLog(services_.engine, text.str());
    enabled = 0;
  }
  services_.engine.GetMessageQueue()->RegisterUpdate(this);
  services_.logic.RegisterEntity(kClassName, *this);
  if (Graphics* graphics = services_.engine.GetGraphics()) graphics->GetModelScene().GetLasers().Add(this);
}

bool TripLaser::MountOnWall() {
  const Physics* physics = services_.engine.GetPhysics();
  if (!physics) return false;
  const std::optional<RayHit> wall = FindNearestWall(*physics, physical.GetPosition());
  if (!wall || platform::Vec3Length(wall->normal) == 0.0f) return false;
  const platform::Vector3 normal = wall->normal;
  beamDirection = platform::Vec3Normalize(normal);
  const platform::Vector3 mount = wall->point + beamDirection * kWallGap;
  physical.SetPosition(mount);
  MakeTrigger();
  physical.SetOrientation(platform::QuaternionRotationAxis({0, 0, 1}, std::atan2(normal.y, normal.x)));
  // The ray starts inside the laser's own trigger box, which a ray does not see from inside.
  RayHit across;
  restEnd = physics->RayCast(wall->point.x, wall->point.y, wall->point.z, normal.x, normal.y, normal.z, &across)
                ? across.point
                : wall->point;
  return true;
}

void TripLaser::MakeTrigger() {
  EntityManager* entities = services_.engine.GetEntityManager();
  auto* box = dynamic_cast<TripLaserTrigger*>(entities->Instantiate(TripLaserTrigger::kClassName));
  if (!box) return;
  box->physical.SetPosition(physical.GetPosition());
  box->laser.Set(this);
  trigger.Set(box);
  Entity::SetUp(box);
}

void TripLaser::Update() {
  if (!enabled) return;
  const Physics* physics = services_.engine.GetPhysics();
  const platform::Vector3 p = physical.GetPosition();
  RayHit hit;
  // Open space behind the beam gives it no end: the frame is skipped.
  if (!physics || !physics->RayCast(p.x, p.y, p.z, beamDirection.x, beamDirection.y, beamDirection.z, &hit)) return;
  const platform::Vector3 end = hit.point;
  const platform::Vector3 off = end - restEnd;
  if (!alarmed && platform::Vec3Dot(off, off) > kBreakTolerance && IsThief(hit.entity)) {
    alarmed = 1;
    services_.engine.Broadcast(kAlarm, kAlarmChannel, end, hit.entity->GetId());
    services_.engine.GetMessageQueue()->Post(this, kResetAlarm, kAlarmReset);
  }
  SetCorner(vertices[0], p + platform::Vector3{0, 0, kBeamHeight});
  SetCorner(vertices[1], p);
  SetCorner(vertices[2], end);
  SetCorner(vertices[3], end + platform::Vector3{0, 0, kBeamHeight});
  const auto dt = static_cast<float>(services_.engine.GetTimer()->GetDelta());
  for (BeamVertex& v : vertices) {
    v.tu1 += dt * 0.0625f;
    v.tv1 += dt * 0.25f;
    v.tv2 += dt * 2.0f;
  }
}

// The emitter blinks (first or second texture of its swap list) whether or not the laser is
// alarmed; only while alarmed does the blink hide the beam too.
const BeamVertex* TripLaser::DrawBeam() {
  if (!enabled) return nullptr;
  const bool shown = !alarmed || blinkPhase;
  blinkTimer += static_cast<float>(services_.engine.GetTimer()->GetDelta());
  if (blinkTimer > kBlinkPeriod) {
    blinkPhase = blinkPhase ? 0 : 1;
    blinkTimer = 0;
  }
  if (ModelRecord* record = model.GetModel()) record->textureSwapIndex = blinkPhase ? 0 : 1;
  return shown ? vertices : nullptr;
}

void TripLaser::Disable(float seconds) {
  ++disableCount;
  std::ostringstream line;
  line << "TRIP LASER DISABLED FOR: " << seconds;
  Console* console = services_.engine.GetConsole();
  console->AppendText(line.str());
  console->Flush(Console::kWhite);
  enabled = 0;
  services_.engine.GetMessageQueue()->Post(this, kResetTased, seconds);
  model.SetEffect("Taser");
}

void TripLaser::ResetTased() {
  disableCount = std::max(disableCount - 1, 0);
  if (disableCount >= 1) return;
  enabled = 1;
  model.SetEffect("CelShader");
}
