// soundgen OUTPUT_DIR: writes the demo's sounds, one file per sound, named after the sound in
// lower case (".wav" for short effects, ".ogg" for music and longer sounds).
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "tools/soundgen/Catalogue.h"
#include "tools/soundgen/Writer.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: soundgen OUTPUT_DIR\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  ::mkdir(argv[1], 0755);
  std::vector<soundgen::Entry> entries = soundgen::Effects();
  for (soundgen::Entry& entry : soundgen::Music()) entries.push_back(entry);
  int failures = 0;
  for (const soundgen::Entry& entry : entries) {
    const soundgen::Clip clip = entry.make();
    const bool ogg = entry.container == soundgen::Container::kOgg;
    const std::string path = folder + entry.name + (ogg ? ".ogg" : ".wav");
    if (!(ogg ? soundgen::WriteOgg(path, clip, 0.3) : soundgen::WriteWav(path, clip))) {
      std::fprintf(stderr, "soundgen: could not write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures == 0 ? 0 : 1;
}
