#pragma once
#include <memory>
#include <string>

#include "platform/sound/SoundSource.h"

// Ogg Vorbis through libvorbisfile, which frees everything when it refuses a damaged file
// (libsndfile's own Ogg reader keeps part of its set-up then).
namespace platform::sound {

class VorbisSource : public SoundSource {
 public:
  // Null with a reason in `why` when the file does not open.
  static std::unique_ptr<SoundSource> Open(const std::string& path, std::string* why);
  ~VorbisSource() override;
  int64_t Read(int16_t* out, int64_t frames) override;
  bool Seek(int64_t frame) override;

 private:
  struct File;
  VorbisSource(std::unique_ptr<File> file, int channels, int rate, int64_t frames);
  std::unique_ptr<File> file_;
  bool failed_ = false;  // a read met damage the decoder cannot step over
};

}  // namespace platform::sound
