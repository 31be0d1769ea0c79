#include "platform/video/VideoReader.h"

#include <utility>

#include "platform/video/FrameTimes.h"
#include "platform/video/libav/Decoder.h"
#include "platform/video/libav/RgbaConverter.h"

namespace platform::video {
namespace {

struct PictureFreer {
  void operator()(AVFrame* f) const { av_frame_free(&f); }
};
using Picture = std::unique_ptr<AVFrame, PictureFreer>;

}  // namespace

// One picture is always decoded ahead: pacing must know whether the next one is due as well
// before it converts the current one, and the end is known only once nothing follows.
struct VideoReader::State {
  std::unique_ptr<Decoder> decoder;
  FrameTimes times;
  RgbaConverter converter;
  Picture ahead{av_frame_alloc()};
  Picture due{av_frame_alloc()};
  double aheadTime = 0.0;
  bool hasAhead = false;
  bool exhausted = false;
  VideoFrame frame;

  explicit State(std::unique_ptr<Decoder> d) : decoder(std::move(d)), times(decoder->FrameStep()) {}

  void LookAhead() {
    if (hasAhead || exhausted) return;
    double stated = 0.0;
    hasAhead = decoder->Next(ahead.get(), &stated);
    if (hasAhead)
      aheadTime = times.Next(stated);
    else
      exhausted = true;
  }

  // Makes the picture ahead the due one; false when none is left.
  bool TakeAhead() {
    LookAhead();
    if (!hasAhead) return false;
    std::swap(ahead, due);
    frame.time = aheadTime;
    hasAhead = false;
    return true;
  }

  const VideoFrame* ConvertDue() {
    if (converter.Convert(*due, &frame)) return &frame;
    decoder->Fault("a frame at " + std::to_string(frame.time) + " s cannot be converted");
    return nullptr;
  }
};

std::unique_ptr<VideoReader> VideoReader::Open(const std::string& path, std::string* error) {
  std::unique_ptr<Decoder> decoder = Decoder::Open(path, error);
  if (!decoder) return nullptr;
  auto state = std::make_unique<State>(std::move(decoder));
  if (!state->ahead || !state->due) {
    *error = path + ": out of memory for video frames";
    return nullptr;
  }
  return std::unique_ptr<VideoReader>(new VideoReader(std::move(state)));
}

VideoReader::VideoReader(std::unique_ptr<State> state) : state_(std::move(state)) {}
VideoReader::~VideoReader() = default;

int VideoReader::Width() const { return state_->decoder->Width(); }
int VideoReader::Height() const { return state_->decoder->Height(); }
double VideoReader::Duration() const { return state_->decoder->Duration(); }

const VideoFrame* VideoReader::NextFrame() {
  while (state_->TakeAhead()) {
    if (const VideoFrame* frame = state_->ConvertDue()) return frame;
  }
  return nullptr;
}

const VideoFrame* VideoReader::FrameDueAt(double t) {
  bool any = false;
  for (;;) {
    state_->LookAhead();
    if (!state_->hasAhead || !(state_->aheadTime <= t)) break;  // a NaN clock shows nothing
    any = state_->TakeAhead();
  }
  return any ? state_->ConvertDue() : nullptr;
}

bool VideoReader::FinishedAt(double t) {
  state_->LookAhead();
  return !state_->hasAhead && t >= state_->times.End();
}

const std::string& VideoReader::Error() const { return state_->decoder->Error(); }

}  // namespace platform::video
