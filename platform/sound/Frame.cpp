#include "platform/sound/Frame.h"

namespace platform::sound {

std::array<float, 3> ToLibraryFrame(const Vec3& v) { return {v.x, v.z, v.y}; }

}  // namespace platform::sound
