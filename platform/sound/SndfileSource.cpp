#include "platform/sound/SndfileSource.h"

#include <sndfile.h>

namespace platform::sound {

std::unique_ptr<SoundSource> SndfileSource::Open(const std::string& path, std::string* why) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) {
    *why = sf_strerror(nullptr);
    return nullptr;
  }
  // The library gives the largest count when the header does not say: the length is unknown,
  // not endless.
  const int64_t frames = info.frames == SF_COUNT_MAX ? -1 : info.frames;
  return std::unique_ptr<SoundSource>(new SndfileSource(file, info.channels, info.samplerate, frames));
}

SndfileSource::SndfileSource(sf_private_tag* file, int channels, int rate, int64_t frames)
    : SoundSource(channels, rate, frames), file_(file) {}

SndfileSource::~SndfileSource() { sf_close(file_); }

int64_t SndfileSource::Read(int16_t* out, int64_t frames) {
  const sf_count_t got = sf_readf_short(file_, out, frames);
  return got > 0 ? got : 0;
}

bool SndfileSource::Seek(int64_t frame) { return sf_seek(file_, frame, SEEK_SET) == frame; }

}  // namespace platform::sound
