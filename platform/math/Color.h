#pragma once
#include <cstdint>

#include "platform/math/FloatTuple.h"

// Colours of four floats (r, g, b, a), 1 being full intensity, and their packed 32-bit form
// 0xAARRGGBB as vertex colours and the data files use it.
namespace platform {

struct Color {
  float r = 0, g = 0, b = 0, a = 0;
  constexpr bool operator==(const Color&) const = default;
};

template <>
inline constexpr FloatMembers<&Color::r, &Color::g, &Color::b, &Color::a>
    kFloatTupleMembers<Color>{};

// Each byte becomes byte / 255.
constexpr Color ColorFromArgb(uint32_t argb) {
  auto channel = [argb](int shift) { return static_cast<float>((argb >> shift) & 0xFF) / 255.0f; };
  return {channel(16), channel(8), channel(0), channel(24)};
}

namespace detail {
// 255 at 1 and above, 0 at 0 and below (NaN included), else c x 255 + 0.5 truncated.
constexpr uint32_t ColorByte(float c) {
  if (c >= 1.0f) return 255;
  if (!(c > 0.0f)) return 0;
  return static_cast<uint32_t>(c * 255.0f + 0.5f);
}
}  // namespace detail

// Packs as 0xAARRGGBB, each component clamped to [0, 1].
constexpr uint32_t ColorToArgb(const Color& c) {
  return detail::ColorByte(c.a) << 24 | detail::ColorByte(c.r) << 16 | detail::ColorByte(c.g) << 8 |
         detail::ColorByte(c.b);
}

// Linear blend of all four components: t = 0 gives a, t = 1 gives b.
constexpr Color ColorLerp(const Color& a, const Color& b, float t) { return detail::Lerp(a, b, t); }

}  // namespace platform
