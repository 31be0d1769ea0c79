#include "platform/video/libav/RgbaConverter.h"

extern "C" {
#include <libswscale/swscale.h>
}

namespace platform::video {
namespace {

// The "J" layouts are full-range by definition, whatever the picture's range field says.
bool FullRange(const AVFrame& picture) {
  switch (picture.format) {
    case AV_PIX_FMT_YUVJ420P:
    case AV_PIX_FMT_YUVJ422P:
    case AV_PIX_FMT_YUVJ444P:
    case AV_PIX_FMT_YUVJ440P:
    case AV_PIX_FMT_YUVJ411P:
      return true;
    default:
      return picture.color_range == AVCOL_RANGE_JPEG;
  }
}

}  // namespace

RgbaConverter::~RgbaConverter() { sws_freeContext(context_); }

bool RgbaConverter::Convert(const AVFrame& picture, VideoFrame* out) {
  const Layout layout{picture.width, picture.height, picture.format, int(picture.colorspace),
                      FullRange(picture)};
  if (!(layout == layout_)) {
    sws_freeContext(context_);
    context_ = nullptr;
    layout_ = Layout{};
    if (layout.width <= 0 || layout.height <= 0 || layout.width > kMaxSide ||
        layout.height > kMaxSide || !sws_isSupportedInput(AVPixelFormat(layout.format)))
      return false;
    context_ =
        sws_getContext(layout.width, layout.height, AVPixelFormat(layout.format), layout.width,
                       layout.height, AV_PIX_FMT_RGBA, SWS_POINT, nullptr, nullptr, nullptr);
    if (!context_) return false;
    // Unknown colour spaces get the library's default table (that of standard definition).
    sws_setColorspaceDetails(context_, sws_getCoefficients(layout.space), layout.fullRange ? 1 : 0,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, 0, 1 << 16, 1 << 16);
    layout_ = layout;
  }
  out->width = layout.width;
  out->height = layout.height;
  out->rgba.resize(size_t(layout.width) * layout.height * 4);
  uint8_t* const rows[4] = {out->rgba.data(), nullptr, nullptr, nullptr};
  const int strides[4] = {layout.width * 4, 0, 0, 0};
  return sws_scale(context_, picture.data, picture.linesize, 0, layout.height, rows, strides) ==
         layout.height;
}

}  // namespace platform::video
