#pragma once
#include <cstdint>
#include <memory>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

// Inside the video layer only; callers see VideoReader.h. Pulls the pictures of a file's film
// stream out of the video library, in showing order. Other streams of the file (sound,
// subtitles) are passed over.
namespace platform::video {

// Largest picture side accepted; anything bigger in an intro film is damage.
constexpr int kMaxSide = 4096;

class Decoder {
 public:
  static std::unique_ptr<Decoder> Open(const std::string& path, std::string* error);
  ~Decoder();
  Decoder(const Decoder&) = delete;
  Decoder& operator=(const Decoder&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  double Duration() const;
  // Nominal seconds per picture from the stream's frame rate; 0 when unknown.
  double FrameStep() const;

  // Decodes the next picture into `frame`, with its time in seconds from the first picture
  // (NaN when the file gives none). False at the end of the film.
  bool Next(AVFrame* frame, double* time);

  // Records what is wrong with the film's data; the first finding is kept, named by the file.
  void Fault(const std::string& what);
  // Empty, or the first thing found wrong with the film's data.
  const std::string& Error() const { return error_; }

 private:
  Decoder(std::string path, AVFormatContext* format, AVStream* stream, AVCodecContext* codec,
          AVPacket* packet);
  void Feed();
  double TimeOf(const AVFrame& frame);
  void CheckComplete();

  std::string path_;
  AVFormatContext* format_;
  AVStream* stream_;
  AVCodecContext* codec_;
  AVPacket* packet_;
  int width_;
  int height_;
  int64_t origin_;  // the first picture's stamp, in the stream's time base
  int64_t packets_ = 0;
  bool draining_ = false;
  bool ended_ = false;
  std::string error_;
};

}  // namespace platform::video
