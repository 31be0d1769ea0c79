#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Small additive synthesis: notes with a waveform, a pitch glide, an envelope and a pan, mixed
// into a clip. Everything is deterministic: the noise comes from a fixed-seed generator.
namespace soundgen {

struct Clip {
  int rate = 22050;
  int channels = 1;
  std::vector<float> samples;  // interleaved

  Clip(int rate, int channels, double seconds);
  size_t Frames() const { return samples.size() / channels; }
};

enum class Wave { kSine, kSquare, kTriangle, kSaw, kNoise };

struct Note {
  Wave wave = Wave::kSine;
  double start = 0.0;   // seconds
  double length = 0.1;  // seconds, release included
  double fromHz = 440.0;
  double toHz = 0.0;  // glide target (exponential); 0: no glide
  double amplitude = 0.5;
  double attack = 0.005;   // seconds of linear rise
  double decay = 0.0;      // exponential fall per second after the attack; 0: held
  double release = 0.01;   // seconds of linear fade at the end
  double vibratoHz = 0.0;  // pitch wobble
  double vibratoDepth = 0.0;  // in semitones
  double lowpassHz = 0.0;  // one-pole smoothing of the wave; 0: none
  double pan = 0.0;        // -1 left .. 1 right, for stereo clips
};

// Mixes the note in. With `wrap`, what runs past the end comes back in at the start, so a
// looping clip has no seam.
void Add(Clip& clip, const Note& note, bool wrap = false);

// Scales the clip so that its loudest sample is `peak`.
void Normalise(Clip& clip, double peak);

// Frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteHz(int midi);

}  // namespace soundgen
