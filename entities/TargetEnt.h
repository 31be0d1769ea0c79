#pragma once
#include "entity/EntityClass.h"
#include "physics/PhysicalComp.h"

// A named point of a map and nothing more: something a "target" key may name.
class TargetEnt : public EntityClass<TargetEnt> {
 public:
  static constexpr char kClassName[] = "TargetEnt";
  static void Describe(ClassBuilder<TargetEnt>& c) { c.Component(&TargetEnt::physical); }

  TargetEnt() { physical.createActor = 0; }
  void OnCreate() override {}

  PhysicalComp physical;
};
