#pragma once
#include <type_traits>

// Arithmetic shared by the small all-float types (vectors, quaternions, colours). A type opts in
// by naming its members in kFloatTupleMembers; it then gets the compound, binary and unary
// operators, applied member by member. The members are template arguments so that every
// operator compiles to plain per-member arithmetic.
namespace platform {

template <auto... Members>
struct FloatMembers {};

template <typename T>
inline constexpr FloatMembers<> kFloatTupleMembers{};

template <typename T>
concept FloatTuple = !std::is_same_v<decltype(kFloatTupleMembers<T>), const FloatMembers<>>;

namespace detail {
template <typename T, typename F, auto... M>
constexpr T& EachMember(FloatMembers<M...>, T& a, const T& b, F f) {
  (f(a.*M, b.*M), ...);
  return a;
}
template <typename T, typename F, auto... M>
constexpr T& EachMember(FloatMembers<M...>, T& a, F f) {
  (f(a.*M), ...);
  return a;
}
}  // namespace detail

template <FloatTuple T>
constexpr T& operator+=(T& a, const T& b) {
  return detail::EachMember(kFloatTupleMembers<T>, a, b, [](float& x, float y) { x += y; });
}
template <FloatTuple T>
constexpr T& operator-=(T& a, const T& b) {
  return detail::EachMember(kFloatTupleMembers<T>, a, b, [](float& x, float y) { x -= y; });
}
template <FloatTuple T>
constexpr T& operator*=(T& a, float s) {
  return detail::EachMember(kFloatTupleMembers<T>, a, [s](float& x) { x *= s; });
}
template <FloatTuple T>
constexpr T& operator/=(T& a, float s) {
  return detail::EachMember(kFloatTupleMembers<T>, a, [s](float& x) { x /= s; });
}

template <FloatTuple T>
constexpr T operator+(T a, const T& b) {
  return a += b;
}
template <FloatTuple T>
constexpr T operator-(T a, const T& b) {
  return a -= b;
}
template <FloatTuple T>
constexpr T operator*(T a, float s) {
  return a *= s;
}
template <FloatTuple T>
constexpr T operator*(float s, T a) {
  return a *= s;
}
template <FloatTuple T>
constexpr T operator/(T a, float s) {
  return a /= s;
}
template <FloatTuple T>
constexpr T operator-(T a) {
  return a *= -1.0f;
}

namespace detail {
// v / length, or all zero when the length is zero: the game normalises vectors that can be zero
// (a thief standing still, a particle at its origin) and expects zero back, not NaN.
template <FloatTuple T>
constexpr T DivideOrZero(const T& v, float length) {
  return length > 0.0f ? v / length : T{};
}
// a + t (b - a): t = 0 gives a, t = 1 gives b.
template <FloatTuple T>
constexpr T Lerp(const T& a, const T& b, float t) {
  return a + (b - a) * t;
}
}  // namespace detail

}  // namespace platform
