#include "tests/platform/sound/SoundFiles.h"

#include <sndfile.h>

#include <cmath>

namespace soundtest {

bool WriteTone(const std::string& path, const Tone& tone) {
  SF_INFO info{};
  info.samplerate = tone.rate;
  info.channels = static_cast<int>(tone.amplitudes.size());
  switch (tone.format) {
    case Format::kWav16: info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16; break;
    case Format::kWav8: info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_U8; break;
    case Format::kOgg: info.format = SF_FORMAT_OGG | SF_FORMAT_VORBIS; break;
  }
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  const sf_count_t frames = static_cast<sf_count_t>(tone.seconds * tone.rate);
  std::vector<float> data(static_cast<size_t>(frames) * info.channels);
  for (sf_count_t f = 0; f < frames; ++f) {
    double s = std::sin(2.0 * M_PI * tone.frequency * static_cast<double>(f) / tone.rate);
    for (int c = 0; c < info.channels; ++c) {
      data[f * info.channels + c] = static_cast<float>(s * tone.amplitudes[c]);
    }
  }
  bool ok = sf_writef_float(file, data.data(), frames) == frames;
  return sf_close(file) == 0 && ok;
}

}  // namespace soundtest
