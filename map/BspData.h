#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "map/BspFormat.h"
#include "map/BspLump.h"
#include "map/EntityLumpParser.h"
#include "platform/core/Files.h"

// Everything one BSP file holds, after the reader has checked it: every count, range and
// index inside these lumps is known to be in bounds (see BspValidate.h for the rules). A map
// read from a file keeps the file's bytes, and its lumps view their records there.
struct BspData {
  std::shared_ptr<platform::FileBytes> fileBytes;
  std::vector<KeyValueMap> entityKeyValues;  // lump 0, one map per entity block
  std::vector<std::string> entityProblems;   // malformed entity lines, for the log
  BspLump<BspTexture> textures;
  BspLump<BspPlane> planes;
  std::vector<BspNode> nodes;
  std::vector<BspLeaf> leaves;
  BspLump<int32_t> leafFaces;
  BspLump<int32_t> leafBrushes;
  BspLump<BspModel> models;
  BspLump<BspBrush> brushes;
  BspLump<BspBrushSide> brushSides;
  BspLump<BspVertex> vertices;
  BspLump<int32_t> meshVertices;
  BspLump<BspEffect> effects;
  BspLump<BspFace> faces;
  BspLump<BspLightmap> lightmaps;
  BspLump<BspLightVolume> lightVolumes;
  int32_t clusterCount = 0;  // 0: no visibility data, every cluster sees every other
  int32_t bytesPerCluster = 0;
  BspLump<uint8_t> visBits;  // clusterCount rows of bytesPerCluster bytes

  void Clear() { *this = BspData(); }
};

// A 64-byte name field up to its NUL, or all 64 bytes when the file left out the NUL.
std::string_view BspName(const char (&name)[kBspNameLength]);

// The counts the game prints after "Successfully loaded map": "Textures:" n, " Lightmaps:" n,
// ... up to " Models:" n, clusters being the visibility data's.
std::string BspLoadSummary(const BspData& map);
