#pragma once
#include <memory>
#include <string>

#include "platform/video/VideoReader.h"

// Test films made on the spot with the ffmpeg command line, in the working folder.
namespace videotest {

using platform::video::VideoFrame;
using platform::video::VideoReader;

// Runs ffmpeg with `inputs` (sources and filters) and `codec` (output options) into `name`.
// False when ffmpeg failed, e.g. for want of an encoder.
bool MakeVideo(const std::string& name, const std::string& inputs, const std::string& codec);

// `frames` pictures of the test pattern at 10 a second, 64 x 48.
std::string Pattern(int frames);
// Four red pictures, then four blue, at 10 a second, 64 x 48.
std::string RedThenBlue();

// Opens the film, failing the test with the error text when it does not open.
std::unique_ptr<VideoReader> OpenOk(const std::string& path);

// One RGBA pixel of a frame as "r g b a", for readable failures.
std::string Pixel(const VideoFrame& frame, int x, int y);
// Whether the pixel is within `tolerance` of the colour on each channel (alpha must be 255).
bool Near(const VideoFrame& frame, int x, int y, int r, int g, int b, int tolerance = 12);

}  // namespace videotest
