#include <cctype>
#include <sstream>

#include "tools/soundgen/Catalogue.h"

// Music: a few bars of bass, melody and hi-hat written as step patterns, stereo OGG. The map
// tracks loop without a seam: notes that ring past the end come back in at the start.
namespace soundgen {
namespace {

constexpr int kRate = 44100;

// One instrument line. Each token of the pattern is one eighth-note step: a note name
// ("C4", "F#3", "Bb2"), "x" (a hit, for noise lines), "-" (hold the previous note longer) or
// "." (rest); "|" marks bars and is skipped.
struct Line {
  Wave wave;
  double amplitude;
  double decay;
  double pan;
  double lowpassHz;
  std::string pattern;
};

int Midi(const std::string& name) {
  static const int kPitch[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  int pitch = kPitch[std::toupper(name[0]) - 'A'];
  size_t at = 1;
  if (at < name.size() && (name[at] == '#' || name[at] == 'b')) pitch += name[at++] == '#' ? 1 : -1;
  return 12 * (std::stoi(name.substr(at)) + 1) + pitch;
}

Clip Compose(double bpm, double seconds, bool loop, const std::vector<Line>& lines) {
  Clip clip(kRate, 2, seconds);
  const double step = 30.0 / bpm;  // an eighth note
  for (const Line& line : lines) {
    std::istringstream tokens(line.pattern);
    std::vector<std::string> steps;
    for (std::string token; tokens >> token;) {
      if (token != "|") steps.push_back(token);
    }
    for (size_t i = 0; i < steps.size(); ++i) {
      if (steps[i] == "." || steps[i] == "-") continue;
      size_t held = 1;
      while (i + held < steps.size() && steps[i + held] == "-") ++held;
      const bool hit = steps[i] == "x";
      Add(clip,
          {.wave = line.wave, .start = i * step, .length = held * step + (hit ? 0.0 : 0.15),
           .fromHz = hit ? 1.0 : NoteHz(Midi(steps[i])), .amplitude = line.amplitude,
           .attack = hit ? 0.001 : 0.01, .decay = line.decay, .release = 0.12,
           .lowpassHz = line.lowpassHz, .pan = line.pan},
          loop);
    }
  }
  Normalise(clip, 0.7);
  return clip;
}

Line Hats(const std::string& bar) {
  return {Wave::kNoise, 0.15, 40.0, 0.3, 9000, bar + " " + bar + " " + bar + " " + bar};
}

Clip Intro() {
  return Compose(120, 3.0, false,
                 {{Wave::kTriangle, 0.5, 2.0, -0.2, 0, "C4 E4 G4 C5 E5 - - - - - - -"},
                  {Wave::kSine, 0.3, 1.0, 0.2, 0, ". . . . G4 - - - - - - -"},
                  {Wave::kSine, 0.3, 1.0, 0.2, 0, ". . . . C4 - - - - - - -"},
                  {Wave::kTriangle, 0.6, 1.5, 0.0, 0, "C2 . . . C2 - - - - - - -"}});
}

Clip MainMenu() {
  return Compose(110, 32 * 30.0 / 110, true,
                 {{Wave::kTriangle, 0.7, 3.0, 0.0, 0,
                   "C2 . C2 . G1 . G1 . | Ab1 . Ab1 . G1 . G1 . | C2 . C2 . G1 . G1 . | Ab1 . F1 . G1 . G1 ."},
                  {Wave::kSquare, 0.25, 2.0, -0.3, 2500,
                   "C4 - Eb4 - G4 - F4 Eb4 | D4 - - . G3 - . . | C4 - Eb4 - G4 - Bb4 G4 | Ab4 - G4 - F4 - D4 -"},
                  Hats(". . x . . . x x")});
}

Clip Museum1() {
  return Compose(100, 32 * 30.0 / 100, true,
                 {{Wave::kTriangle, 0.7, 6.0, 0.0, 0,
                   "D2 . A1 . D2 . A1 . | Bb1 . F2 . Bb1 . F2 . | G1 . D2 . G1 . D2 . | A1 . E2 . A1 . C#2 ."},
                  {Wave::kTriangle, 0.4, 5.0, -0.3, 0,
                   "D4 . F4 . A4 . . G4 | F4 . E4 . D4 . . . | G4 . Bb4 . A4 . G4 . | F4 . E4 . C#4 . . ."},
                  Hats("x . x . x . x x")});
}

Clip Museum2() {
  return Compose(120, 32 * 30.0 / 120, true,
                 {{Wave::kTriangle, 0.7, 4.0, 0.0, 0,
                   "E2 . G2 . B2 . G2 . | C2 . E2 . G2 . E2 . | A1 . C2 . E2 . C2 . | B1 . D#2 . F#2 . B1 ."},
                  {Wave::kSquare, 0.22, 3.0, 0.3, 2000,
                   "B4 - A4 G4 - . E4 . | G4 - F#4 E4 - . C4 . | E4 - D4 C4 - . A3 . | B3 - C4 D#4 - F#4 B4 ."},
                  Hats("x . . x x . . x")});
}

Clip Museum3() {
  return Compose(90, 32 * 30.0 / 90, true,
                 {{Wave::kSine, 0.8, 1.0, 0.0, 0,
                   "A1 - - - E2 - - - | F1 - - - C2 - - - | D2 - - - A1 - - - | E2 - - - G#1 - - -"},
                  {Wave::kTriangle, 0.35, 1.5, -0.2, 0,
                   "A4 - - C5 B4 - E4 - | F4 - - A4 G4 - C4 - | D4 - F4 - E4 - D4 - | E4 - - - G#4 - - ."},
                  Hats(". . x . . . x .")});
}

}  // namespace

std::vector<Entry> Music() {
  return {
      {"intro", Container::kOgg, Intro},
      {"main menu", Container::kOgg, MainMenu},
      {"museum1 music", Container::kOgg, Museum1},
      {"museum2 music", Container::kOgg, Museum2},
      {"museum3 music", Container::kOgg, Museum3},
  };
}

}  // namespace soundgen
