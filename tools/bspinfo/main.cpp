// bspinfo MAP...: checks maps as the game loads them and describes each one it accepts.
// Status 0 when the game accepts every map, 1 when it refuses any, 2 without a map to check.
#include <iostream>

#include "tools/bspinfo/MapReport.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: bspinfo MAP.bsp...\n";
    return 2;
  }
  bool allAccepted = true;
  for (int i = 1; i < argc; ++i) allAccepted &= CheckMap(argv[i], std::cout, std::cerr);
  return allAccepted ? 0 : 1;
}
