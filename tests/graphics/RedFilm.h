#pragma once
#include <cstdlib>
#include <string>

// Writes `seconds` of red pictures at 10 a second, 64 x 48, as "test2.avi" in the working
// folder, the name the intro opens; true when the film was written.
inline bool MakeRedFilm(int seconds = 1) {
  const std::string command =
      "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i color=c=red:s=64x48:r=10:d=" +
      std::to_string(seconds) + " -c:v mpeg4 -q:v 2 test2.avi";
  return std::system(command.c_str()) == 0;
}
