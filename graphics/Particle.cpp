#include "graphics/Particle.h"

#include "graphics/ParticleManager.h"

namespace {

float Draw(const RangeValue& range) { return WithVariation(range.maxVal, range.variation); }

}  // namespace

void LoadKey(const std::vector<FloatKey>& keys, int32_t index, ParticleKeyState<1>& state) {
  state.current[0] = Draw(keys[index].value);
  if (static_cast<size_t>(index) + 1 < keys.size()) state.next[0] = Draw(keys[index + 1].value);
  state.value[0] = state.current[0];
}

void LoadKey(const std::vector<ColorKey>& keys, int32_t index, ParticleKeyState<4>& state) {
  for (int i = 0; i < 4; ++i) {
    state.current[i] = keys[index].value[i];
    if (static_cast<size_t>(index) + 1 < keys.size()) state.next[i] = keys[index + 1].value[i];
    state.value[i] = state.current[i];
  }
}
