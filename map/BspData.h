#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "map/BspFormat.h"
#include "map/EntityLumpParser.h"

// Everything one BSP file holds, after the reader has checked it: every count, range and
// index inside these vectors is known to be in bounds (see BspValidate.h for the rules).
struct BspData {
  std::vector<KeyValueMap> entityKeyValues;  // lump 0, one map per entity block
  std::vector<std::string> entityProblems;   // malformed entity lines, for the log
  std::vector<BspTexture> textures;
  std::vector<BspPlane> planes;
  std::vector<BspNode> nodes;
  std::vector<BspLeaf> leaves;
  std::vector<int32_t> leafFaces;
  std::vector<int32_t> leafBrushes;
  std::vector<BspModel> models;
  std::vector<BspBrush> brushes;
  std::vector<BspBrushSide> brushSides;
  std::vector<BspVertex> vertices;
  std::vector<int32_t> meshVertices;
  std::vector<BspEffect> effects;
  std::vector<BspFace> faces;
  std::vector<BspLightmap> lightmaps;
  std::vector<BspLightVolume> lightVolumes;
  int32_t clusterCount = 0;  // 0: no visibility data, every cluster sees every other
  int32_t bytesPerCluster = 0;
  std::vector<uint8_t> visBits;  // clusterCount rows of bytesPerCluster bytes

  void Clear() { *this = BspData(); }
};

// A 64-byte name field up to its NUL, or all 64 bytes when the file left out the NUL.
std::string_view BspName(const char (&name)[kBspNameLength]);

// The counts the game prints after "Successfully loaded map": "Textures:" n, " Lightmaps:" n,
// ... up to " Models:" n, clusters being the visibility data's.
std::string BspLoadSummary(const BspData& map);
