#pragma once
#include "platform/math/Vector.h"

class Entity;
class GadgetEnt;
class PhysicalComp;

// Throws a launched entity (a smoke bomb, a suction cup) from the gadget along its aim: 30 units
// ahead and 5 up, with its body made at once so that it flies at 1000 units per second.
void LaunchFromGadget(GadgetEnt* gadget, Entity* projectile, PhysicalComp& body);
