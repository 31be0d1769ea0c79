#pragma once
#include <cstdint>

// One opened sound file as a decoding library gives it: interleaved 16-bit frames.
namespace platform::sound {

class SoundSource {
 public:
  virtual ~SoundSource() = default;
  int Channels() const { return channels_; }
  int Rate() const { return rate_; }
  int64_t Frames() const { return frames_; }  // as the file declares it
  // Reads up to `frames` frames of Channels() values each; fewer (or 0) at the end of the data.
  virtual int64_t Read(int16_t* out, int64_t frames) = 0;
  virtual bool Seek(int64_t frame) = 0;

 protected:
  SoundSource(int channels, int rate, int64_t frames) : channels_(channels), rate_(rate), frames_(frames) {}

 private:
  int channels_;
  int rate_;
  int64_t frames_;
};

}  // namespace platform::sound
