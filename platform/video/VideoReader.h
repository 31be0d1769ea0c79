#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Reads a film for the intro player: pictures in order as RGBA, each with its time, and the
// pacing a player needs to keep to its own clock. No video-library type appears here.
namespace platform::video {

struct VideoFrame {
  int width = 0;
  int height = 0;
  double time = 0.0;          // seconds from the start of the film
  std::vector<uint8_t> rgba;  // width * height * 4 bytes, top row first
};

class VideoReader {
 public:
  // Opens the film at `path` (looked up case-insensitively, `\` accepted). On failure returns
  // null with a line naming the file in `error`: missing, empty, not a film, no picture stream,
  // unsupported codec or picture size.
  static std::unique_ptr<VideoReader> Open(const std::string& path, std::string* error);
  ~VideoReader();
  VideoReader(const VideoReader&) = delete;
  VideoReader& operator=(const VideoReader&) = delete;

  // The picture size the file states; a damaged film may carry pictures of other sizes, so each
  // frame has its own.
  int Width() const;
  int Height() const;
  // Length as the file states it, 0 when it does not; only the pictures decide the end.
  double Duration() const;

  // The next picture in order, or null at the end of the film. Valid until the next call.
  const VideoFrame* NextFrame();

  // The picture to show at `t` seconds since the film started: the latest one due by then.
  // Pictures the clock has overtaken are decoded but never converted or shown. Null when no
  // picture became due since the last call: keep showing the previous one.
  const VideoFrame* FrameDueAt(double t);

  // True once every picture has been handed out or skipped and `t` is past the last one's
  // showing time. A film without pictures is finished at once.
  bool FinishedAt(double t);

  // Empty, or what was wrong with the film's data (naming the file): damaged pictures, or data
  // that ends before the film does. A damaged film still plays what it can and then finishes.
  const std::string& Error() const;

 private:
  struct State;
  explicit VideoReader(std::unique_ptr<State> state);
  std::unique_ptr<State> state_;
};

}  // namespace platform::video
