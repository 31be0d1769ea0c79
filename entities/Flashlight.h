#pragma once
#include "entity/EntityClass.h"
#include "entity/Message.h"
#include "graphics/ModelComp.h"
#include "graphics/SpotLight.h"
#include "physics/ClusterInfo.h"
#include "physics/PhysicalComp.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"

// Points a flashlight along a direction (x, y, z).
inline constexpr Message<float, float, float> kSetDirection{"SetDirection"};

// The lamp a guard carries: a cone-shaped beam model and the spot light that lights the models
// near the beam. The guard places it at its right hand after every draw of its own model and
// switches light and beam together. Made by the guard, never by a map, and never saved.
class Flashlight : public EntityClass<Flashlight> {
 public:
  static constexpr char kClassName[] = "Flashlight";
  static void Describe(ClassBuilder<Flashlight>& c);

  Flashlight();
  void OnCreate() override;
  void SetDirection(float x, float y, float z);
  // The beam points along (1, 0, 0) turned by the orientation.
  void SetOrientation(const platform::Quaternion& orientation);
  // Light and beam on or off, shining in the carrier's map.
  void Switch(bool on, int32_t mapIndex);

  // The guard that carries it.
  EntityHandle ownerGuard;
  PhysicalComp physical;
  ClusterInfo cluster;
  ModelComp model;
  SpotLight light;
};
