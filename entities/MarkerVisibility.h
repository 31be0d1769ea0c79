#pragma once
#include <cstdint>

#include "platform/math/Vector.h"

class GameServices;
class ModelComp;
class PhysicalComp;

// How often a marker (a drop-off's or a teleporter's arrow) tests whether it is in view.
inline constexpr float kMarkerVisibleInterval = 0.25f;

// Whether a marker standing at `base` in map `mapIndex` shows: the user's thief and a point
// just ahead of the camera are each looked for from the base, and either one found within
// 75 units of its distance makes the marker visible. Never for a map not current, and never
// while the camera looks away from the marker past the thief.
bool IsMarkerVisible(const GameServices& services, const platform::Vector3& base, int32_t mapIndex);

// The arrow rides between 30 and 70 units above its base, shown only while visible.
void BobMarker(const GameServices& services, const platform::Vector3& base, bool visible, PhysicalComp& physical,
               ModelComp& model);
