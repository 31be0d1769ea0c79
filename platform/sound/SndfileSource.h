#pragma once
#include <memory>
#include <string>

#include "platform/sound/SoundSource.h"

struct sf_private_tag;

// WAV, FLAC and the other formats libsndfile reads (Ogg Vorbis goes through VorbisSource).
namespace platform::sound {

class SndfileSource : public SoundSource {
 public:
  // Null with the library's reason in `why` when the file does not open.
  static std::unique_ptr<SoundSource> Open(const std::string& path, std::string* why);
  ~SndfileSource() override;
  int64_t Read(int16_t* out, int64_t frames) override;
  bool Seek(int64_t frame) override;

 private:
  SndfileSource(sf_private_tag* file, int channels, int rate, int64_t frames);
  sf_private_tag* file_;
};

}  // namespace platform::sound
