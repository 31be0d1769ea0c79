#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "map/BspFormat.h"

// The records of one BSP version 46 file, ready to be laid out.
struct BspFileContents {
  std::string entityText;  // written with a closing NUL
  std::vector<BspTexture> textures;
  std::vector<BspPlane> planes;
  std::vector<BspFileNode> nodes;
  std::vector<BspFileLeaf> leaves;
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
  int32_t clusterCount = 0;  // 0 writes an empty visibility lump
  int32_t bytesPerCluster = 0;
  std::vector<uint8_t> visBits;
};

// The file's bytes: the header, then the lumps in index order, each on a 4-byte boundary.
std::vector<uint8_t> WriteBsp(const BspFileContents& contents);
