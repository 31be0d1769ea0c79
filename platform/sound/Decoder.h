#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/SoundSource.h"
#include "platform/sound/SoundTypes.h"

// Reads a sound file as 16-bit frames of one or two channels, whatever the file holds.
namespace platform::sound {

class Decoder {
 public:
  // Opens the file at `path` (looked up case-insensitively). With `mono` every channel is mixed
  // into one; otherwise stereo stays stereo and anything else becomes mono. On failure returns
  // null with the result and a line naming the file in `error`; a file cut short, or whose
  // length is unknown, is refused.
  static std::unique_ptr<Decoder> Open(const std::string& path, bool mono, Result* result,
                                       std::string* error);
  ~Decoder();
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

  int Channels() const { return channels_; }
  int Rate() const { return source_->Rate(); }
  // Length as the file's header gives it; damaged data may end earlier.
  int64_t Frames() const { return source_->Frames(); }

  // Reads up to `frames` frames into `out` (Channels() values each). Fewer at the end of the
  // data, also when damaged data ends it early.
  size_t Read(int16_t* out, size_t frames);
  bool Seek(int64_t frame);

  // Reads everything from the current position, refusing more than `maxFrames` frames.
  bool ReadAll(size_t maxFrames, std::vector<int16_t>* out);

 private:
  Decoder(std::unique_ptr<SoundSource> source, int channels);
  std::unique_ptr<SoundSource> source_;
  int channels_;
  std::vector<int16_t> scratch_;  // whole file frames before mixing down
};

}  // namespace platform::sound
