// Writes the demo's models: modelgen OUTPUT_DIR makes OUTPUT_DIR/models/*.x and their textures
// under OUTPUT_DIR/textures/models/. The output depends on nothing but this program, so every
// run writes the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "platform/core/Files.h"
#include "tools/modelgen/Catalogue.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: modelgen OUTPUT_DIR\n");
    return 2;
  }
  try {
    const std::filesystem::path root = argv[1];
    for (const modelgen::OutputFile& file : modelgen::DemoModelFiles()) {
      const std::filesystem::path path = root / file.path;
      std::filesystem::create_directories(path.parent_path());
      if (!platform::WriteFileAtomic(path.string(), file.bytes)) {
        std::fprintf(stderr, "modelgen: cannot write %s\n", path.string().c_str());
        return 1;
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "modelgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
