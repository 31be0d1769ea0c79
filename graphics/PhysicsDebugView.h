#pragma once
#include "physics/PhysicsSeams.h"

class Graphics;

// The graphics side of the physics debug view: the debug lines, boxes and spheres of the
// physics system (its world's wireframe, the test bodies) go to the frame's debug drawing, and
// physics learns where the active camera stands. Graphics hands it to physics at start-up and
// takes it back at shut-down. Boxes are culled by the active camera's view (see AddDebugBox).
class PhysicsDebugView : public PhysicsGraphics {
 public:
  explicit PhysicsDebugView(Graphics& graphics) : graphics_(graphics) {}

  void AddDebugLine(const platform::Vector3& start, const platform::Vector3& end, uint32_t argb) override;
  void AddDebugBox(const platform::Vector3& centre, const platform::Vector3& size,
                   const platform::Quaternion& orientation, uint32_t argb) override;
  void AddDebugSphere(const platform::Vector3& centre, float radius, uint32_t argb) override;
  const platform::Vector3* GetCameraReference() override;

  // Makes this the physics system's graphics, or forgets it there (when it still is).
  void Attach();
  void Detach();
  // Has physics draw its world's debug geometry into the frame ("Draw Physics").
  void DrawWorld();

 private:
  Graphics& graphics_;
};
