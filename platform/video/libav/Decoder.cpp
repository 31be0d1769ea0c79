#include "platform/video/libav/Decoder.h"

#include <sys/stat.h>

#include <cmath>
#include <utility>

#include "platform/core/Files.h"

namespace platform::video {
namespace {

std::string LibraryText(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

double Seconds(AVRational r) { return r.num > 0 && r.den > 0 ? double(r.num) / r.den : 0.0; }

// The film: the first picture stream that is not just a cover picture of a music file.
AVStream* FindFilmStream(const AVFormatContext& format) {
  for (unsigned i = 0; i < format.nb_streams; ++i) {
    AVStream* s = format.streams[i];
    if (s->codecpar->codec_type == AVMEDIA_TYPE_VIDEO &&
        !(s->disposition & AV_DISPOSITION_ATTACHED_PIC))
      return s;
  }
  return nullptr;
}

struct FormatCloser {
  void operator()(AVFormatContext* f) const { avformat_close_input(&f); }
};
struct CodecFreer {
  void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;

FormatPtr OpenContainer(const std::string& path, std::string* error) {
  const std::string resolved = platform::ResolvePath(path);
  struct stat st {};
  if (::stat(resolved.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
    *error = path + ": no such video file";
    return nullptr;
  }
  if (st.st_size == 0) {
    *error = path + ": the file is empty";
    return nullptr;
  }
  AVDictionary* options = nullptr;
  // A damaged file that reads as a play list must not make the library open anything but
  // local files.
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  AVFormatContext* opened = nullptr;
  // The "file:" prefix keeps a colon in a file name from being read as a protocol.
  const int result = avformat_open_input(&opened, ("file:" + resolved).c_str(), nullptr, &options);
  av_dict_free(&options);
  if (result < 0) {
    *error = path + ": not a video file (" + LibraryText(result) + ")";
    return nullptr;
  }
  FormatPtr format(opened);
  const int info = avformat_find_stream_info(opened, nullptr);
  if (info < 0) {
    *error = path + ": unreadable video file (" + LibraryText(info) + ")";
    return nullptr;
  }
  return format;
}

CodecPtr OpenCodec(const std::string& path, const AVStream& stream, std::string* error) {
  const AVCodecParameters& par = *stream.codecpar;
  // A codec the library does not know at all is named by the file's tag for it.
  char tag[AV_FOURCC_MAX_STRING_SIZE] = {};
  const std::string name = par.codec_id == AV_CODEC_ID_NONE
                               ? av_fourcc_make_string(tag, par.codec_tag)
                               : avcodec_get_name(par.codec_id);
  const AVCodec* codec = avcodec_find_decoder(par.codec_id);
  if (!codec) {
    *error = path + ": unsupported video codec " + name;
    return nullptr;
  }
  if (par.width <= 0 || par.height <= 0 || par.width > kMaxSide || par.height > kMaxSide) {
    *error = path + ": unsupported picture size " + std::to_string(par.width) + "x" +
             std::to_string(par.height);
    return nullptr;
  }
  CodecPtr context(avcodec_alloc_context3(codec));
  if (!context || avcodec_parameters_to_context(context.get(), &par) < 0) {
    *error = path + ": cannot set up the " + name + " decoder";
    return nullptr;
  }
  context->pkt_timebase = stream.time_base;
  // The game runs on one thread; one picture at a time is plenty for an intro film.
  context->thread_count = 1;
  context->max_pixels = int64_t(kMaxSide) * kMaxSide;
  const int result = avcodec_open2(context.get(), codec, nullptr);
  if (result < 0) {
    *error = path + ": cannot decode its " + name + " video (" + LibraryText(result) + ")";
    return nullptr;
  }
  return context;
}

}  // namespace

std::unique_ptr<Decoder> Decoder::Open(const std::string& path, std::string* error) {
  // The library's own console lines would only repeat, less clearly, what our error texts say.
  av_log_set_level(AV_LOG_QUIET);
  FormatPtr format = OpenContainer(path, error);
  if (!format) return nullptr;
  AVStream* stream = FindFilmStream(*format);
  if (!stream) {
    *error = path + ": the file holds no video stream";
    return nullptr;
  }
  CodecPtr codec = OpenCodec(path, *stream, error);
  if (!codec) return nullptr;
  AVPacket* packet = av_packet_alloc();
  if (!packet) {
    *error = path + ": out of memory for video packets";
    return nullptr;
  }
  return std::unique_ptr<Decoder>(
      new Decoder(path, format.release(), stream, codec.release(), packet));
}

Decoder::Decoder(std::string path, AVFormatContext* format, AVStream* stream, AVCodecContext* codec,
                 AVPacket* packet)
    : path_(std::move(path)),
      format_(format),
      stream_(stream),
      codec_(codec),
      packet_(packet),
      width_(codec->width),
      height_(codec->height),
      origin_(AV_NOPTS_VALUE) {}

Decoder::~Decoder() {
  av_packet_free(&packet_);
  avcodec_free_context(&codec_);
  avformat_close_input(&format_);
}

double Decoder::Duration() const {
  const double stated = stream_->duration > 0
                            ? double(stream_->duration) * Seconds(stream_->time_base)
                        : format_->duration > 0 ? double(format_->duration) / AV_TIME_BASE
                                                : 0.0;
  return std::isfinite(stated) ? stated : 0.0;
}

double Decoder::FrameStep() const {
  const double rate = Seconds(stream_->avg_frame_rate) > 0 ? Seconds(stream_->avg_frame_rate)
                                                           : Seconds(stream_->r_frame_rate);
  return rate > 0 ? 1.0 / rate : 0.0;
}

bool Decoder::Next(AVFrame* frame, double* time) {
  while (!ended_) {
    const int got = avcodec_receive_frame(codec_, frame);
    if (got == 0) {
      *time = TimeOf(*frame);
      return true;
    }
    if (got != AVERROR(EAGAIN) && got != AVERROR_EOF)
      Fault("damaged frame (" + LibraryText(got) + ")");
    if (draining_) {
      // Past the last packet every answer but a picture is the end.
      ended_ = true;
      CheckComplete();
    } else {
      Feed();
    }
  }
  return false;
}

void Decoder::Feed() {
  for (;;) {
    const int read = av_read_frame(format_, packet_);
    if (read < 0) {
      if (read != AVERROR_EOF) Fault("the data breaks off (" + LibraryText(read) + ")");
      draining_ = true;
      avcodec_send_packet(codec_, nullptr);
      return;
    }
    const bool ours = packet_->stream_index == stream_->index;
    if (ours) {
      ++packets_;
      const int sent = avcodec_send_packet(codec_, packet_);
      if (sent < 0) Fault("damaged frame (" + LibraryText(sent) + ")");
    }
    av_packet_unref(packet_);
    if (ours) return;
  }
}

double Decoder::TimeOf(const AVFrame& frame) {
  const int64_t stamp = frame.best_effort_timestamp;
  if (stamp == AV_NOPTS_VALUE) return NAN;
  // The film starts with its first picture. That is usually the stream's stated start, but AVI
  // files with B-frames state 0 and stamp their first picture one frame later; a player would
  // then show nothing for a frame and run a frame past the stated length.
  if (origin_ == AV_NOPTS_VALUE) origin_ = stamp;
  const double unit = Seconds(stream_->time_base);
  // In floating point: damaged stamps may be anywhere in the 64-bit range.
  return unit > 0 ? (double(stamp) - double(origin_)) * unit : NAN;
}

void Decoder::Fault(const std::string& what) {
  if (error_.empty()) error_ = path_ + ": " + what;
}

void Decoder::CheckComplete() {
  if (stream_->nb_frames > packets_)
    Fault("the data ends after " + std::to_string(packets_) + " of " +
          std::to_string(stream_->nb_frames) + " frames");
}

}  // namespace platform::video
