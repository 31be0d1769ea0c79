#pragma once
#include <cstdint>
#include <vector>

#include "platform/math/Vector.h"
#include "graphics/ParticleConfig.h"

// A value that follows a key list over a particle's life: the two keys around the particle's
// age, each drawn with its own variation when loaded, and the blend of the two.
template <int N>
struct ParticleKeyState {
  float current[N] = {};
  float next[N] = {};
  float value[N] = {};
  int32_t index = 0;
};

// One particle, pooled by the particle manager and lent to an emitter while it lives.
struct Particle {
  platform::Vector3 position;
  platform::Vector3 velocity;
  platform::Vector3 direction;  // unit length, or zero
  ParticleKeyState<4> colour;   // r, g, b, a
  ParticleKeyState<1> size;
  ParticleKeyState<1> speed;
  float birth = 0.0f;  // engine time, seconds
  float death = 0.0f;
};

// Loads key `index` (and the one after it) into the state and outputs it.
void LoadKey(const std::vector<FloatKey>& keys, int32_t index, ParticleKeyState<1>& state);
void LoadKey(const std::vector<ColorKey>& keys, int32_t index, ParticleKeyState<4>& state);

// Starts a state on the first key; an empty list leaves it as it is.
template <class Key, int N>
void StartKeys(const std::vector<Key>& keys, ParticleKeyState<N>& state) {
  if (keys.empty()) return;
  state.index = 0;
  LoadKey(keys, 0, state);
}

// Moves a state to `age` (0 at birth, 1 at death). The index stops on the last pair of keys, so
// past the last key's time the value rests on it; with fewer than two keys nothing changes.
template <class Key, int N>
void FollowKeys(const std::vector<Key>& keys, float age, ParticleKeyState<N>& state) {
  const int32_t count = static_cast<int32_t>(keys.size());
  if (count < 2) return;
  while (state.index + 2 < count && keys[state.index + 1].t < age) LoadKey(keys, ++state.index, state);
  const float span = keys[state.index + 1].t - keys[state.index].t;
  // Two keys at the same time blend as the later one rather than dividing by zero.
  float f = span > 0.0f ? (age - keys[state.index].t) / span : 1.0f;
  f = f > 1.0f ? 1.0f : (f < 0.0f ? 0.0f : f);
  for (int i = 0; i < N; ++i) state.value[i] = (1.0f - f) * state.current[i] + f * state.next[i];
}
