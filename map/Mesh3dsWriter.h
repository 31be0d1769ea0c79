#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "map/BspData.h"

// Writes a map's geometry in the 3DS chunk format as one object holding one triangle mesh:
// main (0x4D4D) > editor (0x3D3D) > object (0x4000, empty name) > mesh (0x4100) > vertex list
// (0x4110) and face list (0x4120). Vertices go out in the file's frame (y as the map file
// holds it); triangles are every face's mesh vertices in consecutive triples.
class Mesh3dsWriter {
 public:
  // The whole file. The format counts vertices and triangles, and numbers vertices, in 16
  // bits: a map with more than 65535 of either throws std::runtime_error saying so.
  static std::vector<uint8_t> Encode(const BspData& map);
  // Encodes and writes the file; throws std::runtime_error when the map does not fit or the
  // file cannot be written (an earlier file of that name then stays as it was).
  static void Write(const BspData& map, const std::string& fileName);
};
