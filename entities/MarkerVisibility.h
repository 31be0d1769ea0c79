#pragma once
#include <cstdint>

#include "platform/math/Vector.h"

// Whether a marker standing at `base` in map `mapIndex` shows: the user's thief and a point
// just ahead of the camera are each looked for from the base, and either one found within
// 75 units of its distance makes the marker visible. Never for a map not current, and never
// while the camera looks away from the marker past the thief.
bool IsMarkerVisible(const platform::Vector3& base, int32_t mapIndex);
