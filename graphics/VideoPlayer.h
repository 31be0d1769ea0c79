#pragma once
#include <memory>
#include <string>

#include "platform/video/VideoReader.h"

namespace platform {
class RenderDevice;
class SpriteBatch;
class Texture;
}  // namespace platform

// The intro film, played inside the main window before the main menu. It keeps to the
// program's clock: each poll shows the picture due by then and the film ends after its last
// picture. A film that cannot be opened is logged and never plays, so the intro ends at once.
class VideoPlayer {
 public:
  explicit VideoPlayer(platform::RenderDevice& device);
  ~VideoPlayer();
  VideoPlayer(const VideoPlayer&) = delete;
  VideoPlayer& operator=(const VideoPlayer&) = delete;

  // Opens the film; false, with the reason on "GraphicsLog", when it cannot be played.
  bool Open(const std::string& fileName);
  // Starts the film's clock; playing from now on when the film opened.
  void Play();
  // Once per frame: takes the picture now due onto the card, and sees the film's end.
  void Poll();
  bool IsPlaying() const { return playing_; }
  // The current picture over the 1024 x 768 area at the window's top-left.
  void Draw(platform::SpriteBatch& sprite) const;
  // Lets go of the film and its picture; playing ends.
  void Release();

  // The one player of the process, null when no film plays.
  static VideoPlayer* Current();
  // Releases and deletes the current player.
  static void EndCurrent();
  // The "StartVideo" command: waits 3 s, replaces the current player with one playing
  // "test2.avi" with the sound "intro", and turns the window's background white.
  static void PlayIntro();

 private:
  double Now() const;

  platform::RenderDevice& device_;
  std::unique_ptr<platform::video::VideoReader> reader_;
  std::unique_ptr<platform::Texture> picture_;
  double start_ = 0.0;
  bool playing_ = false;
};
