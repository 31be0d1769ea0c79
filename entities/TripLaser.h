#pragma once
#include <cstdint>

#include "entity/EntityClass.h"
#include "graphics/LaserBeam.h"
#include "graphics/ModelComp.h"
#include "physics/MapIndexComp.h"
#include "physics/PhysicalComp.h"
#include "platform/math/Vector.h"
#include "player/GameServices.h"

// An emitter on a wall that shines a beam across the room. A thief who breaks the beam raises
// the alarm (once, then not again for 5 seconds, while the beam blinks); anything else in the
// beam only shortens it. A taser shot at its trigger, or a computer thief's attack, switches it
// off for a while. A laser placed where no wall is found stays where it stands, switched off.
class TripLaser : public EntityClass<TripLaser>, public LaserBeam {
 public:
  static constexpr char kClassName[] = "TripLaser";
  static constexpr float kAlarmReset = 5.0f;
  static constexpr float kBlinkPeriod = 0.25f;
  static void Describe(ClassBuilder<TripLaser>& c);

  explicit TripLaser(const GameServices& services);
  ~TripLaser() override;
  void OnCreate() override;
  void Update();
  void ResetAlarm() { alarmed = 0; }
  void ResetTased();
  // Off for `seconds`; overlapping disables keep it off until the last has run out.
  void Disable(float seconds);

  platform::Vector3 GetBeamDirection() const override { return beamDirection; }
  const BeamVertex* DrawBeam() override;

  PhysicalComp physical;
  // The wall's normal: the beam shines along it.
  platform::Vector3 beamDirection{};
  // The laser's own TripLaserTrigger, which taser shots hit.
  EntityHandle trigger;
  // Where the beam ends when nothing stands in it.
  platform::Vector3 restEnd{};
  BeamVertex vertices[4]{};
  uint8_t enabled = 1;
  ModelComp model;
  uint8_t alarmed = 0;
  float blinkTimer = 0;
  uint8_t blinkPhase = 0;
  int32_t disableCount = 0;
  MapIndexComp mapIndex;

 private:
  // Finds the wall, stands 2 units off it facing the room and finds the rest end across;
  // false when no wall is in reach.
  bool MountOnWall();
  void MakeTrigger();
  const GameServices services_;
};
