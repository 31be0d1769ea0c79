#pragma once
#include <bit>
#include <cstdint>

// Records of the BSP version 46 file as the file holds them (little-endian, no padding), plus
// the two records the reader converts while loading (nodes and leaves). Every field is four
// bytes wide or a byte array, so the in-memory layout equals the file layout on our targets.
static_assert(std::endian::native == std::endian::little, "BSP records are read in place");

constexpr int kBspVersion = 46;
constexpr int kBspLumpCount = 17;
constexpr int kBspHeaderSize = 8 + 8 * kBspLumpCount;  // 144
constexpr int kBspNameLength = 64;
constexpr int kLightmapSize = 128;

enum BspLumpIndex : int {
  kLumpEntities, kLumpTextures, kLumpPlanes, kLumpNodes, kLumpLeaves, kLumpLeafFaces,
  kLumpLeafBrushes, kLumpModels, kLumpBrushes, kLumpBrushSides, kLumpVertices,
  kLumpMeshVertices, kLumpEffects, kLumpFaces, kLumpLightmaps, kLumpLightVolumes,
  kLumpVisibility
};

struct BspLumpEntry {
  int32_t offset;
  int32_t length;
};

struct BspHeader {
  char magic[4];
  int32_t version;
  BspLumpEntry lumps[kBspLumpCount];
};

struct BspTexture {
  char name[kBspNameLength];  // NUL-terminated when shorter than 64 bytes
  int32_t surfaceFlags;
  int32_t contentFlags;
};

struct BspPlane {
  float normal[3];
  float distance;
};

// Node as the file stores it: children >= 0 are nodes, < 0 are leaf -(child + 1).
struct BspFileNode {
  int32_t plane;
  int32_t children[2];  // front, back
  int32_t mins[3];
  int32_t maxs[3];
};

// Node as the map keeps it: the box as centre and half size, centre already in the world frame.
struct BspNode {
  int32_t plane;
  int32_t children[2];
  float center[3];
  float halfSize[3];
};

struct BspFileLeaf {
  int32_t cluster;
  int32_t area;
  int32_t mins[3];
  int32_t maxs[3];
  int32_t firstLeafFace;
  int32_t leafFaceCount;
  int32_t firstLeafBrush;
  int32_t leafBrushCount;
};

// Leaf as the map keeps it: the box as centre and half size in the file's frame.
struct BspLeaf {
  int32_t cluster;
  int32_t area;
  float center[3];
  float halfSize[3];
  int32_t firstLeafFace;
  int32_t leafFaceCount;
  int32_t firstLeafBrush;
  int32_t leafBrushCount;
};

struct BspModel {
  float mins[3];
  float maxs[3];
  int32_t firstFace;
  int32_t faceCount;
  int32_t firstBrush;
  int32_t brushCount;
};

struct BspBrush {
  int32_t firstSide;
  int32_t sideCount;
  int32_t texture;
};

struct BspBrushSide {
  int32_t plane;
  int32_t texture;
};

struct BspVertex {
  float position[3];
  float texCoord[2];
  float lightmapCoord[2];
  float normal[3];
  uint8_t color[4];
};

struct BspEffect {
  char name[kBspNameLength];
  int32_t brush;
  int32_t unknown;
};

enum BspFaceType : int32_t { kFacePolygon = 1, kFacePatch = 2, kFaceMesh = 3, kFaceBillboard = 4 };

struct BspFace {
  int32_t texture;
  int32_t effect;
  int32_t type;
  int32_t firstVertex;
  int32_t vertexCount;
  int32_t firstMeshVertex;
  int32_t meshVertexCount;
  int32_t lightmap;  // negative: none
  int32_t lightmapStart[2];
  int32_t lightmapSize[2];
  float lightmapOrigin[3];
  float lightmapVectors[2][3];
  float normal[3];
  int32_t patchSize[2];
};

struct BspLightmap {
  uint8_t texels[kLightmapSize][kLightmapSize][3];
};

struct BspLightVolume {
  uint8_t ambient[3];
  uint8_t directional[3];
  uint8_t direction[2];
};

static_assert(sizeof(BspHeader) == kBspHeaderSize);
static_assert(sizeof(BspTexture) == 72);
static_assert(sizeof(BspPlane) == 16);
static_assert(sizeof(BspFileNode) == 36 && sizeof(BspNode) == 36);
static_assert(sizeof(BspFileLeaf) == 48 && sizeof(BspLeaf) == 48);
static_assert(sizeof(BspModel) == 40);
static_assert(sizeof(BspBrush) == 12);
static_assert(sizeof(BspBrushSide) == 8);
static_assert(sizeof(BspVertex) == 44);
static_assert(sizeof(BspEffect) == 72);
static_assert(sizeof(BspFace) == 104);
static_assert(sizeof(BspLightmap) == 49152);
static_assert(sizeof(BspLightVolume) == 8);
