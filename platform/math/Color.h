#pragma once
#include <cstdint>

#include "platform/math/FloatTuple.h"

// Colours of four floats (r, g, b, a), 1 being full intensity, and their packed 32-bit form
// 0xAARRGGBB as vertex colours and the data files use it.
namespace platform {

struct Color {
  float r = 0, g = 0, b = 0, a = 0;

  constexpr Color& operator+=(const Color& c) { r += c.r; g += c.g; b += c.b; a += c.a; return *this; }
  constexpr Color& operator-=(const Color& c) { r -= c.r; g -= c.g; b -= c.b; a -= c.a; return *this; }
  constexpr Color& operator*=(float s) { r *= s; g *= s; b *= s; a *= s; return *this; }
  constexpr Color& operator/=(float s) { r /= s; g /= s; b /= s; a /= s; return *this; }
  constexpr bool operator==(const Color&) const = default;
};

template <> inline constexpr bool kIsFloatTuple<Color> = true;

// Each byte becomes byte / 255.
constexpr Color ColorFromArgb(uint32_t argb) {
  return {static_cast<float>((argb >> 16) & 0xFF) / 255.0f, static_cast<float>((argb >> 8) & 0xFF) / 255.0f,
          static_cast<float>(argb & 0xFF) / 255.0f, static_cast<float>(argb >> 24) / 255.0f};
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
  return detail::ColorByte(c.a) << 24 | detail::ColorByte(c.r) << 16 |
         detail::ColorByte(c.g) << 8 | detail::ColorByte(c.b);
}

// Linear blend of all four components: t = 0 gives a, t = 1 gives b.
constexpr Color ColorLerp(const Color& a, const Color& b, float t) { return detail::Lerp(a, b, t); }

}  // namespace platform
