#pragma once

// Arithmetic shared by the small all-float types (vectors, quaternions, colours): each type
// defines its compound operators and opts in here to get the binary and unary ones.
namespace platform {

template <typename T>
inline constexpr bool kIsFloatTuple = false;

template <typename T>
concept FloatTuple = kIsFloatTuple<T>;

template <FloatTuple T> constexpr T operator+(T a, const T& b) { return a += b; }
template <FloatTuple T> constexpr T operator-(T a, const T& b) { return a -= b; }
template <FloatTuple T> constexpr T operator*(T a, float s) { return a *= s; }
template <FloatTuple T> constexpr T operator*(float s, T a) { return a *= s; }
template <FloatTuple T> constexpr T operator/(T a, float s) { return a /= s; }
template <FloatTuple T> constexpr T operator-(T a) { return a *= -1.0f; }

namespace detail {
// v / length, or all zero when the length is zero: the game normalises vectors that can be zero
// (a thief standing still, a particle at its origin) and expects zero back, not NaN.
template <FloatTuple T> constexpr T DivideOrZero(const T& v, float length) {
  return length > 0.0f ? v / length : T{};
}
// a + t (b - a): t = 0 gives a, t = 1 gives b.
template <FloatTuple T> constexpr T Lerp(const T& a, const T& b, float t) { return a + (b - a) * t; }
}  // namespace detail

}  // namespace platform
