#pragma once

// The game's vector, matrix, quaternion, plane and colour maths in one include.
#include "platform/math/Color.h"
#include "platform/math/Matrix.h"
#include "platform/math/Plane.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"
