#include "tools/soundgen/Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {
namespace {

constexpr double kTwoPi = 6.283185307179586;

// A fixed linear congruential generator: the same noise on every build.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed) {}
  double Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
  }

 private:
  uint32_t state_;
};

double Sample(Wave wave, double phase, Noise& noise) {
  double frac = phase - std::floor(phase);
  switch (wave) {
    case Wave::kSine: return std::sin(kTwoPi * frac);
    case Wave::kSquare: return frac < 0.5 ? 0.6 : -0.6;  // squares sound louder than they measure
    case Wave::kTriangle: return frac < 0.5 ? 4.0 * frac - 1.0 : 3.0 - 4.0 * frac;
    case Wave::kSaw: return 0.7 * (2.0 * frac - 1.0);
    case Wave::kNoise: return noise.Next();
  }
  return 0.0;
}

double Envelope(const Note& note, double t) {
  double level = t < note.attack ? t / note.attack : std::exp(-note.decay * (t - note.attack));
  double left = note.length - t;
  if (left < note.release) level *= std::max(0.0, left / note.release);
  return level;
}

}  // namespace

Clip::Clip(int rate_, int channels_, double seconds)
    : rate(rate_), channels(channels_),
      samples(static_cast<size_t>(seconds * rate_) * static_cast<size_t>(channels_), 0.0f) {}

void Add(Clip& clip, const Note& note, bool wrap) {
  const size_t frames = clip.Frames();
  if (frames == 0) return;
  const size_t first = static_cast<size_t>(note.start * clip.rate);
  const size_t count = static_cast<size_t>(note.length * clip.rate);
  // The seed follows the note, so two identical noise notes at different times differ.
  Noise noise(static_cast<uint32_t>(first * 2654435761u + 12345u));
  const double glide = note.toHz > 0.0 ? std::log(note.toHz / note.fromHz) : 0.0;
  const double smoothing =
      note.lowpassHz > 0.0 ? 1.0 - std::exp(-kTwoPi * note.lowpassHz / clip.rate) : 1.0;
  const double gains[2] = {std::sqrt(0.5 * (1.0 - note.pan)), std::sqrt(0.5 * (1.0 + note.pan))};
  double phase = 0.0, smoothed = 0.0;
  for (size_t i = 0; i < count; ++i) {
    size_t frame = first + i;
    if (frame >= frames) {
      if (!wrap) break;
      frame %= frames;
    }
    const double t = static_cast<double>(i) / clip.rate;
    double hz = note.fromHz * std::exp(glide * t / note.length);
    if (note.vibratoDepth > 0.0) {
      hz *= std::pow(2.0, note.vibratoDepth / 12.0 * std::sin(kTwoPi * note.vibratoHz * t));
    }
    phase += hz / clip.rate;
    smoothed += smoothing * (Sample(note.wave, phase, noise) - smoothed);
    const double value = smoothed * note.amplitude * Envelope(note, t);
    if (clip.channels == 1) {
      clip.samples[frame] += static_cast<float>(value);
    } else {
      for (int c = 0; c < 2; ++c) clip.samples[frame * 2 + c] += static_cast<float>(value * gains[c]);
    }
  }
}

void Normalise(Clip& clip, double peak) {
  float loudest = 0.0f;
  for (float s : clip.samples) loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0.0f) return;
  const float scale = static_cast<float>(peak / loudest);
  for (float& s : clip.samples) s *= scale;
}

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

}  // namespace soundgen
