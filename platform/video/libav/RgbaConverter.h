#pragma once
#include "platform/video/libav/Decoder.h"
#include "platform/video/VideoReader.h"

struct SwsContext;

// Inside the video layer only: turns decoded pictures of any layout into RGBA rows, top row
// first, with the colour matrix and range each picture states.
namespace platform::video {

class RgbaConverter {
 public:
  RgbaConverter() = default;
  ~RgbaConverter();
  RgbaConverter(const RgbaConverter&) = delete;
  RgbaConverter& operator=(const RgbaConverter&) = delete;

  // Fills `out` with the picture's size and pixels; false when its layout cannot be converted.
  bool Convert(const AVFrame& picture, VideoFrame* out);

 private:
  // What the conversion was set up for; a change (damaged films may change size or layout
  // midway) sets it up afresh.
  struct Layout {
    int width = 0, height = 0, format = -1, space = 0;
    bool fullRange = false;
    bool operator==(const Layout&) const = default;
  };
  SwsContext* context_ = nullptr;
  Layout layout_;
};

}  // namespace platform::video
