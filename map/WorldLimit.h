#pragma once

// Map tools keep every point of a map within 65536 units of its origin; a coordinate further
// out than this, along any axis, is no place in any map but damaged data.
inline constexpr float kWorldLimit = 1.0e6f;
