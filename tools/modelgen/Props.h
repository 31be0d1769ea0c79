#pragma once
#include <vector>

#include "tools/modelgen/Asset.h"

namespace modelgen {

// The unanimated models the game names: the teleport emblem, the drop-off and teleporter
// marker "arrow", the flashlight beam "cone", the box (pickup and hiding box), the smoke bomb,
// the battery, the suction cup, the trip-laser emitter (with its lit and dark lens swaps) and
// the hand-held gadgets "taser" and "suctioncupgun". Each faces -x like the characters, but
// for the beam and the emitter, which point along +x as the game aims them.
std::vector<ModelAsset> Props();

}  // namespace modelgen
