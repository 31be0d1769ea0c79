#pragma once
#include <string>

namespace platform {
class RenderDevice;
}

// Compares the back buffer with the reference image tests/graphics/golden/<name>.png: true when
// at least `share` of the pixels lie within `tolerance` per channel. Otherwise the frame is
// written beside the build as <name>_actual.png and `message` says where.
bool MatchesGolden(platform::RenderDevice& device, const std::string& name, int tolerance, double share,
                   std::string* message);
