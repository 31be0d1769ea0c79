#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class RenderDevice;
}

// Compares the back buffer with the reference image tests/graphics/golden/<name>.png: true when
// at least `share` of the pixels lie within `tolerance` per channel. Otherwise the frame is
// written beside the build as <name>_actual.png and `message` says where.
// The share of pixels of two RGBA images whose colour channels all lie within `tolerance` of
// each other; 0 for images of different sizes.
double AlikeShare(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int tolerance);

bool MatchesGolden(platform::RenderDevice& device, const std::string& name, int tolerance, double share,
                   std::string* message);

// Where two RGBA frames `width` pixels wide differ in colour: how many pixels, and their mean
// column and row (-1 when none differ).
struct FrameChange {
  size_t pixels = 0;
  double column = -1;
  double row = -1;
};
FrameChange ChangeBetween(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b, int width);
