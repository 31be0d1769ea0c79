#include "tests/platform/video/TestVideos.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace videotest {

bool MakeVideo(const std::string& name, const std::string& inputs, const std::string& codec) {
  const std::string command = "ffmpeg -nostdin -hide_banner -loglevel error -y " + inputs + " " +
                              codec + " -fflags +bitexact -flags:v +bitexact '" + name +
                              "' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

std::string Pattern(int frames) {
  return "-f lavfi -i testsrc=size=64x48:rate=10 -frames:v " + std::to_string(frames);
}

std::string RedThenBlue() {
  return "-filter_complex \"color=c=red:s=64x48:r=10:d=0.4[a];color=c=blue:s=64x48:r=10:d=0.4[b];"
         "[a][b]concat=n=2:v=1:a=0\"";
}

std::unique_ptr<VideoReader> OpenOk(const std::string& path) {
  std::string error;
  std::unique_ptr<VideoReader> reader = VideoReader::Open(path, &error);
  EXPECT_TRUE(reader) << error;
  return reader;
}

std::string Pixel(const VideoFrame& frame, int x, int y) {
  const uint8_t* p = &frame.rgba.at((size_t(y) * frame.width + x) * 4);
  return std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]) + " " +
         std::to_string(p[3]);
}

bool Near(const VideoFrame& frame, int x, int y, int r, int g, int b, int tolerance) {
  const uint8_t* p = &frame.rgba.at((size_t(y) * frame.width + x) * 4);
  return std::abs(p[0] - r) <= tolerance && std::abs(p[1] - g) <= tolerance &&
         std::abs(p[2] - b) <= tolerance && p[3] == 255;
}

}  // namespace videotest
