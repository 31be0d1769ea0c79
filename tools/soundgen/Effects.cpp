#include "tools/soundgen/Catalogue.h"

// Short sound effects: tones, glides, envelopes and noise bursts, mono at 22.05 kHz.
namespace soundgen {
namespace {

constexpr int kRate = 22050;

Clip Click() {
  Clip clip(kRate, 1, 0.04);
  Add(clip, {.wave = Wave::kSine, .length = 0.04, .fromHz = 2200, .amplitude = 1.0, .attack = 0.001, .decay = 120});
  Add(clip, {.wave = Wave::kNoise, .length = 0.01, .amplitude = 0.3, .attack = 0.001, .decay = 200, .lowpassHz = 4000});
  Normalise(clip, 0.6);
  return clip;
}

Clip Hover() {
  Clip clip(kRate, 1, 0.05);
  Add(clip, {.wave = Wave::kSine, .length = 0.05, .fromHz = 1400, .amplitude = 1.0, .attack = 0.003, .decay = 80});
  Normalise(clip, 0.3);
  return clip;
}

Clip Money() {
  Clip clip(kRate, 1, 0.6);
  Add(clip, {.wave = Wave::kSquare, .length = 0.09, .fromHz = NoteHz(83), .amplitude = 0.6, .lowpassHz = 5000});
  Add(clip, {.wave = Wave::kSquare, .start = 0.08, .length = 0.52, .fromHz = NoteHz(88), .amplitude = 0.6, .decay = 5, .release = 0.1, .lowpassHz = 5000});
  Add(clip, {.wave = Wave::kSine, .start = 0.08, .length = 0.52, .fromHz = NoteHz(100), .amplitude = 0.2, .decay = 8, .release = 0.1});
  Normalise(clip, 0.6);
  return clip;
}

Clip Busted() {
  Clip clip(kRate, 1, 1.5);
  const int notes[] = {67, 66, 65};
  for (int i = 0; i < 3; ++i) {
    Add(clip, {.wave = Wave::kSaw, .start = 0.3 * i, .length = 0.28, .fromHz = NoteHz(notes[i]), .amplitude = 0.8, .attack = 0.02, .release = 0.05, .lowpassHz = 1500});
  }
  Add(clip, {.wave = Wave::kSaw, .start = 0.9, .length = 0.6, .fromHz = NoteHz(64), .toHz = NoteHz(63), .amplitude = 0.8, .attack = 0.02, .release = 0.2, .vibratoHz = 6, .vibratoDepth = 0.3, .lowpassHz = 1500});
  Normalise(clip, 0.7);
  return clip;
}

Clip SwitchGadget() {
  Clip clip(kRate, 1, 0.12);
  Add(clip, {.wave = Wave::kSquare, .length = 0.12, .fromHz = 600, .toHz = 1200, .amplitude = 0.8, .decay = 10, .release = 0.03, .lowpassHz = 3000});
  Normalise(clip, 0.5);
  return clip;
}

Clip TaserShoot() {
  Clip clip(kRate, 1, 0.45);
  Add(clip, {.wave = Wave::kSaw, .length = 0.45, .fromHz = 3000, .toHz = 300, .amplitude = 0.5, .decay = 6, .release = 0.05, .lowpassHz = 6000});
  Add(clip, {.wave = Wave::kNoise, .length = 0.45, .amplitude = 0.4, .decay = 8, .release = 0.05, .lowpassHz = 8000});
  Add(clip, {.wave = Wave::kSquare, .length = 0.45, .fromHz = 90, .amplitude = 0.3, .decay = 6, .release = 0.05});
  Normalise(clip, 0.7);
  return clip;
}

// Quick rising arpeggio, one note after another.
void Arpeggio(Clip& clip, std::initializer_list<int> notes, double step, double length, Wave wave) {
  double start = 0.0;
  for (int note : notes) {
    Add(clip, {.wave = wave, .start = start, .length = length, .fromHz = NoteHz(note), .amplitude = 0.5, .decay = 10, .release = 0.05});
    start += step;
  }
}

Clip GadgetPickup() {
  Clip clip(kRate, 1, 0.35);
  Arpeggio(clip, {72, 76, 79, 84}, 0.05, 0.15, Wave::kTriangle);
  Normalise(clip, 0.6);
  return clip;
}

Clip ItemPickup() {
  Clip clip(kRate, 1, 0.5);
  Arpeggio(clip, {79, 83, 86, 91}, 0.05, 0.3, Wave::kTriangle);
  Add(clip, {.wave = Wave::kSine, .start = 0.15, .length = 0.35, .fromHz = NoteHz(103), .amplitude = 0.15, .decay = 10, .release = 0.05});
  Normalise(clip, 0.6);
  return clip;
}

Clip ItemDropoff() {
  Clip clip(kRate, 1, 0.8);
  Add(clip, {.wave = Wave::kSquare, .length = 0.06, .fromHz = NoteHz(72), .amplitude = 0.4, .lowpassHz = 3000});
  for (int note : {84, 88, 91}) {
    Add(clip, {.wave = Wave::kSine, .start = 0.06, .length = 0.74, .fromHz = NoteHz(note), .amplitude = 0.4, .decay = 4, .release = 0.1});
  }
  Add(clip, {.wave = Wave::kNoise, .start = 0.06, .length = 0.1, .amplitude = 0.2, .decay = 30, .lowpassHz = 7000});
  Normalise(clip, 0.6);
  return clip;
}

Clip SmokeLaunch() {
  Clip clip(kRate, 1, 0.4);
  Add(clip, {.wave = Wave::kSine, .length = 0.4, .fromHz = 180, .toHz = 45, .amplitude = 1.0, .decay = 8, .release = 0.05});
  Add(clip, {.wave = Wave::kNoise, .length = 0.2, .amplitude = 0.5, .decay = 25, .lowpassHz = 1200});
  Normalise(clip, 0.8);
  return clip;
}

Clip Smoke() {
  Clip clip(kRate, 1, 1.5);
  Add(clip, {.wave = Wave::kNoise, .length = 1.5, .amplitude = 1.0, .attack = 0.05, .decay = 1.5, .release = 0.3, .lowpassHz = 3000});
  Add(clip, {.wave = Wave::kNoise, .length = 1.2, .amplitude = 0.5, .attack = 0.02, .decay = 2, .release = 0.3, .lowpassHz = 600});
  Normalise(clip, 0.5);
  return clip;
}

Clip UseBox() {
  Clip clip(kRate, 1, 0.3);
  Add(clip, {.wave = Wave::kSine, .length = 0.3, .fromHz = 140, .toHz = 70, .amplitude = 1.0, .decay = 18, .release = 0.05});
  Add(clip, {.wave = Wave::kNoise, .length = 0.15, .amplitude = 0.6, .decay = 30, .lowpassHz = 900});
  Normalise(clip, 0.7);
  return clip;
}

// A clock's tick and tock, one second, looping.
Clip BoxTimer() {
  Clip clip(kRate, 1, 1.0);
  Add(clip, {.wave = Wave::kSine, .length = 0.08, .fromHz = 1800, .amplitude = 1.0, .attack = 0.001, .decay = 60});
  Add(clip, {.wave = Wave::kNoise, .length = 0.01, .amplitude = 0.3, .attack = 0.001, .decay = 300, .lowpassHz = 6000});
  Add(clip, {.wave = Wave::kSine, .start = 0.5, .length = 0.08, .fromHz = 1300, .amplitude = 1.0, .attack = 0.001, .decay = 60});
  Normalise(clip, 0.5);
  return clip;
}

Clip Deny() {
  Clip clip(kRate, 1, 0.35);
  Add(clip, {.wave = Wave::kSquare, .length = 0.12, .fromHz = 180, .amplitude = 0.8, .release = 0.02, .lowpassHz = 1500});
  Add(clip, {.wave = Wave::kSquare, .start = 0.17, .length = 0.15, .fromHz = 150, .amplitude = 0.8, .release = 0.03, .lowpassHz = 1500});
  Normalise(clip, 0.5);
  return clip;
}

// A siren rising and falling twice; loops.
Clip Alarm() {
  Clip clip(kRate, 1, 2.0);
  for (int i = 0; i < 2; ++i) {
    Add(clip, {.wave = Wave::kSquare, .start = i * 1.0, .length = 0.5, .fromHz = 700, .toHz = 1000, .amplitude = 0.7, .attack = 0.01, .release = 0.01, .lowpassHz = 3000});
    Add(clip, {.wave = Wave::kSquare, .start = i * 1.0 + 0.5, .length = 0.5, .fromHz = 1000, .toHz = 700, .amplitude = 0.7, .attack = 0.01, .release = 0.01, .lowpassHz = 3000});
  }
  Normalise(clip, 0.6);
  return clip;
}

// A breath in with a rumble, a breath out with a faint whistle; loops.
Clip Snore() {
  Clip clip(kRate, 1, 3.0);
  Add(clip, {.wave = Wave::kNoise, .start = 0.1, .length = 1.3, .amplitude = 0.6, .attack = 0.6, .release = 0.5, .lowpassHz = 500});
  Add(clip, {.wave = Wave::kSaw, .start = 0.3, .length = 1.1, .fromHz = 70, .toHz = 60, .amplitude = 0.6, .attack = 0.4, .release = 0.4, .vibratoHz = 9, .vibratoDepth = 1.0, .lowpassHz = 300});
  Add(clip, {.wave = Wave::kNoise, .start = 1.7, .length = 1.0, .amplitude = 0.3, .attack = 0.2, .release = 0.6, .lowpassHz = 1500});
  Add(clip, {.wave = Wave::kSine, .start = 1.8, .length = 0.8, .fromHz = 900, .toHz = 700, .amplitude = 0.05, .attack = 0.2, .release = 0.4});
  Normalise(clip, 0.6);
  return clip;
}

// Voices: a sawtooth through a soft filter, gliding like speech.
Clip Surprised() {
  Clip clip(kRate, 1, 0.45);
  Add(clip, {.wave = Wave::kSaw, .length = 0.45, .fromHz = 220, .toHz = 520, .amplitude = 0.8, .attack = 0.02, .release = 0.1, .vibratoHz = 7, .vibratoDepth = 0.2, .lowpassHz = 1800});
  Add(clip, {.wave = Wave::kSine, .length = 0.45, .fromHz = 440, .toHz = 1040, .amplitude = 0.2, .attack = 0.02, .release = 0.1});
  Normalise(clip, 0.6);
  return clip;
}

Clip Confused() {
  Clip clip(kRate, 1, 0.8);
  Add(clip, {.wave = Wave::kSaw, .length = 0.35, .fromHz = 240, .toHz = 200, .amplitude = 0.8, .attack = 0.03, .release = 0.05, .vibratoHz = 5, .vibratoDepth = 0.4, .lowpassHz = 1400});
  Add(clip, {.wave = Wave::kSaw, .start = 0.35, .length = 0.45, .fromHz = 200, .toHz = 300, .amplitude = 0.8, .attack = 0.03, .release = 0.1, .vibratoHz = 5, .vibratoDepth = 0.4, .lowpassHz = 1400});
  Normalise(clip, 0.6);
  return clip;
}

}  // namespace

std::vector<Entry> Effects() {
  return {
      {"click", Container::kWav, Click},
      {"hover", Container::kWav, Hover},
      {"money", Container::kWav, Money},
      {"busted", Container::kWav, Busted},
      {"switch gadget", Container::kWav, SwitchGadget},
      {"taser shoot", Container::kWav, TaserShoot},
      {"gadget pickup", Container::kWav, GadgetPickup},
      {"smoke launch", Container::kWav, SmokeLaunch},
      {"smoke", Container::kOgg, Smoke},
      {"use box", Container::kWav, UseBox},
      {"box timer", Container::kWav, BoxTimer},
      {"deny", Container::kWav, Deny},
      {"item pickup", Container::kWav, ItemPickup},
      {"item dropoff", Container::kWav, ItemDropoff},
      {"alarm", Container::kOgg, Alarm},
      {"snore", Container::kOgg, Snore},
      {"surprised", Container::kWav, Surprised},
      {"confused", Container::kWav, Confused},
  };
}

}  // namespace soundgen
