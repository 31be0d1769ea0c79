#pragma once
#include <vector>

#include "graphics/LaserBeam.h"

class Camera;
class Graphics;

// The frame's laser beams: every beam that joined, in joining order, drawn with the effect
// "Laser", added to the scene behind it.
class LaserPass {
 public:
  void Add(LaserBeam* beam) { beams_.push_back(beam); }
  void Remove(LaserBeam* beam);
  const std::vector<LaserBeam*>& GetBeams() const { return beams_; }

  // Nothing without the effect or a device.
  void Draw(Graphics& graphics, const Camera& camera);

 private:
  std::vector<LaserBeam*> beams_;
};
