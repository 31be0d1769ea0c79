#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/Decoder.h"

// A stream's decoder and its ring of buffers, queued on the source it plays on and refilled as
// the source finishes them. Looping seeks back to the start of the file.
namespace platform::sound {

class StreamQueue {
 public:
  // Each buffer holds a tenth of a second; four of them outlast the longest frame the game
  // allows (0.1 s) three times over.
  static constexpr int kBuffers = 4;
  static constexpr int kBuffersPerSecond = 10;

  explicit StreamQueue(std::unique_ptr<Decoder> decoder);
  ~StreamQueue();  // the queue must be detached from its source first
  StreamQueue(const StreamQueue&) = delete;
  StreamQueue& operator=(const StreamQueue&) = delete;

  int Rate() const { return decoder_->Rate(); }
  bool IsStereo() const { return decoder_->Channels() == 2; }

  // Queues the buffers on `source` from `frame` of the file on; the source is left stopped at
  // the head of the queue. False when the file cannot go there or has nothing from there on.
  bool Start(unsigned source, int64_t frame, bool loop);
  // Takes back the buffers the source has finished and refills them. False once the play is
  // over: the file has ended (without looping) and the source has played everything queued.
  bool Service(unsigned source, bool loop);
  // Stops the source and takes all buffers off it.
  void Detach(unsigned source);
  // Frame of the file the source is playing.
  int64_t Position(unsigned source) const;

 private:
  struct Queued {
    unsigned buffer;
    int64_t start;  // file frame the buffer begins with
  };
  // Fills and queues idle buffers while the file gives sound.
  void Refill(unsigned source, bool loop);
  // Decodes the next buffer's worth into `buffer` and queues it; false when nothing was left.
  bool FillAndQueue(unsigned source, unsigned buffer, bool loop);

  std::unique_ptr<Decoder> decoder_;
  std::array<unsigned, kBuffers> buffers_{};
  std::deque<Queued> queued_;      // in the source's queue, in play order
  std::vector<unsigned> idle_;     // not queued
  std::vector<int16_t> pcm_;
  size_t bufferFrames_;
  int64_t filePosition_ = 0;  // next frame the decoder gives
  int64_t length_ = 0;        // frames in the file, known once its end was reached
  bool ended_ = false;        // the decoder reached the end and did not loop
};

}  // namespace platform::sound
