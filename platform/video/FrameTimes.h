#pragma once

// Turns the times a film file gives its pictures into times a player can wait for. Damaged
// files give missing, backward or far-off times; a picture stamped an hour ahead would hold
// the intro on one picture for an hour, so such times are replaced by the regular next one.
namespace platform::video {

class FrameTimes {
 public:
  // `step`: the nominal seconds per picture; unusable values fall back to 25 pictures a second.
  explicit FrameTimes(double step);

  // The time to show the next picture, from the time the file gives it (seconds from the start
  // of the stream; NaN when it has none).
  double Next(double stated);

  // When the last picture given stops showing; 0 before any picture.
  double End() const;

  double Step() const { return step_; }

 private:
  double step_;
  double last_ = 0.0;
  bool any_ = false;
};

}  // namespace platform::video
