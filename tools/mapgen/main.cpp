// Writes the demo museum: mapgen OUTPUT_DIR makes OUTPUT_DIR/Maps/*.bsp and the map list
// OUTPUT_DIR/Data/Museummaps.xml. The output depends on nothing but this program, so every
// run writes the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/core/Files.h"
#include "tools/mapgen/MuseumMapBuilder.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mapgen OUTPUT_DIR\n");
    return 2;
  }
  try {
    std::string root = argv[1];
    std::filesystem::create_directories(root + "/Maps");
    std::filesystem::create_directories(root + "/Data");
    std::vector<MapPlan> plans = MuseumPlans();
    for (const MapPlan& plan : plans) {
      std::vector<uint8_t> bytes = WriteBsp(BuildMuseumMap(plan));
      std::string path = root + "/Maps/" + plan.fileName;
      if (!platform::WriteFileAtomic(path, std::string(bytes.begin(), bytes.end()))) {
        std::fprintf(stderr, "mapgen: cannot write %s\n", path.c_str());
        return 1;
      }
    }
    if (!platform::WriteFileAtomic(root + "/Data/Museummaps.xml", MapListXml(plans))) {
      std::fprintf(stderr, "mapgen: cannot write the map list\n");
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "mapgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
