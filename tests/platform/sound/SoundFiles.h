#pragma once
#include <string>
#include <vector>

// Sound files the tests write for themselves.
namespace soundtest {

enum class Format { kWav16, kWav8, kOgg };

struct Tone {
  int rate = 44100;
  double seconds = 1.0;
  double frequency = 440.0;
  // One amplitude per channel: {0.5} is mono, {0.5, 0.0} stereo with a silent right channel.
  std::vector<double> amplitudes = {0.5};
  Format format = Format::kWav16;
};

// Writes a sine tone; false when the file could not be written.
bool WriteTone(const std::string& path, const Tone& tone);

}  // namespace soundtest
