#pragma once
#include <cstdint>
#include <string>

#include "platform/math/Vector.h"

class Entity;
class ParticleManager;

// The sounds and particle effects the thief, its gadgets and the pickups start. Without the
// sound or graphics system (a headless run) they start nothing.

void PlaySound3D(const std::string& name, Entity* at);
void PlaySound2D(const std::string& name);
// The graphics' particle manager, or null.
ParticleManager* Particles();
// One burst of "PoofConfig" at a point of a map, dying out by itself.
void Poof(int32_t mapIndex, const platform::Vector3& position);
