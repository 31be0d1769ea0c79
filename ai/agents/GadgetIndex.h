#pragma once
#include <cstdint>

// Where a thief holds each of its gadgets: the order in which it is handed them at its start,
// steps through them with the scroll keys and shows them on the HUD, and the index a computer
// thief selects.
namespace gadget {
inline constexpr int32_t kTaser = 0;
inline constexpr int32_t kSmokeGrenade = 1;
inline constexpr int32_t kBox = 2;
}  // namespace gadget
