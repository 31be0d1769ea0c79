#pragma once
#include "platform/math/Vector.h"

// One corner of a laser beam's quad: a position and two texture-coordinate pairs, 28 bytes,
// drawn straight from its owner's array.
struct BeamVertex {
  float x, y, z;
  float tu1, tv1;
  float tu2, tv2;
};
static_assert(sizeof(BeamVertex) == 28);

// A beam the laser pass draws; the trip lasers implement it and join the pass while they live.
class LaserBeam {
 public:
  virtual ~LaserBeam() = default;
  // Along the beam, for the effect's "laserDirection".
  virtual platform::Vector3 GetBeamDirection() const = 0;
  // Called once per frame and effect pass: advances the owner's blink and gives the four
  // corners of the beam as a triangle fan when the beam shows now, null when it does not.
  virtual const BeamVertex* DrawBeam() = 0;
};
