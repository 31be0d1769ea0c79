#pragma once
#include <optional>
#include <string>

#include "platform/math/Vector.h"

// The facing a patrol marker's "Direction" names: "north" (0, 1, 0), "south" (0, -1, 0),
// "west" (1, 0, 0), "east" (-1, 0, 0); none for any other word.
std::optional<platform::Vector3> CompassFacing(const std::string& direction);
