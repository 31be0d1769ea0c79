#include "platform/sound/StreamQueue.h"

#include <AL/al.h>

namespace platform::sound {

StreamQueue::StreamQueue(std::unique_ptr<Decoder> decoder)
    : decoder_(std::move(decoder)),
      bufferFrames_(static_cast<size_t>(decoder_->Rate() / kBuffersPerSecond)) {
  alGenBuffers(kBuffers, buffers_.data());
  idle_.assign(buffers_.begin(), buffers_.end());
  pcm_.resize(bufferFrames_ * decoder_->Channels());
}

StreamQueue::~StreamQueue() { alDeleteBuffers(kBuffers, buffers_.data()); }

bool StreamQueue::Start(unsigned source, int64_t frame, bool loop) {
  Detach(source);
  if (!decoder_->Seek(frame)) return false;
  filePosition_ = frame;
  ended_ = false;
  Refill(source, loop);
  // Rewinding a stopped source puts it back at the head of its (new) queue, unstarted.
  alSourceRewind(source);
  return !queued_.empty();
}

bool StreamQueue::FillAndQueue(unsigned source, unsigned buffer, bool loop) {
  if (ended_ && loop) {
    // Looping was switched on after the end was reached: carry on from the start.
    ended_ = !decoder_->Seek(0);
    filePosition_ = 0;
  }
  const int64_t start = filePosition_;
  const int channels = decoder_->Channels();
  size_t filled = 0;
  bool readSinceSeek = filePosition_ > 0;
  while (filled < bufferFrames_ && !ended_) {
    size_t got = decoder_->Read(pcm_.data() + filled * channels, bufferFrames_ - filled);
    filled += got;
    filePosition_ += static_cast<int64_t>(got);
    readSinceSeek = readSinceSeek || got > 0;
    if (got > 0) continue;
    length_ = filePosition_;
    // A file that gives nothing even from its start would loop forever without sound.
    if (!loop || !readSinceSeek || !decoder_->Seek(0)) {
      ended_ = true;
      break;
    }
    filePosition_ = 0;
    readSinceSeek = false;
  }
  if (filled == 0) return false;
  alBufferData(buffer, channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16, pcm_.data(),
               static_cast<ALsizei>(filled * channels * sizeof(int16_t)), decoder_->Rate());
  alSourceQueueBuffers(source, 1, &buffer);
  queued_.push_back({buffer, start});
  return true;
}

bool StreamQueue::Service(unsigned source, bool loop) {
  ALint processed = 0;
  alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
  for (ALint i = 0; i < processed && !queued_.empty(); ++i) {
    unsigned buffer = queued_.front().buffer;
    alSourceUnqueueBuffers(source, 1, &buffer);
    queued_.pop_front();
    idle_.push_back(buffer);
  }
  Refill(source, loop);
  return !queued_.empty();
}

void StreamQueue::Refill(unsigned source, bool loop) {
  while (!idle_.empty() && FillAndQueue(source, idle_.back(), loop)) idle_.pop_back();
}

void StreamQueue::Detach(unsigned source) {
  alSourceStop(source);
  alSourcei(source, AL_BUFFER, 0);
  queued_.clear();
  idle_.assign(buffers_.begin(), buffers_.end());
}

int64_t StreamQueue::Position(unsigned source) const {
  if (queued_.empty()) return filePosition_;
  ALint offset = 0;
  alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
  int64_t position = queued_.front().start + offset;
  return length_ > 0 ? position % length_ : position;
}

}  // namespace platform::sound
