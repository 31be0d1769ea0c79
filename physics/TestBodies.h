#pragma once
#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"

// Developer test bodies: a dynamic box ("CubeTest" drops twenty at the origin) and a dynamic
// sphere ("FirePhyObj" shoots one from the camera). Both draw themselves as debug shapes every
// frame and are deleted by "purgephy".
class PhyCube : public EntityClass<PhyCube> {
 public:
  static constexpr char kClassName[] = "PhyCube";
  static void Describe(ClassBuilder<PhyCube>& c);

  void OnCreate() override;
  void OnUpdate();

  PhysicalComp physical;
};

class PhySphere : public EntityClass<PhySphere> {
 public:
  static constexpr char kClassName[] = "PhySphere";
  static void Describe(ClassBuilder<PhySphere>& c);

  PhySphere();
  void OnCreate() override;
  void OnUpdate();
  // The sphere only makes others touch it.
  void OnStartTouch(Entity*) {}

  PhysicalComp physical;
};
