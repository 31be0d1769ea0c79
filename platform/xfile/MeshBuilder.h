#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/xfile/Model.h"

namespace platform::xfile {

// A mesh as the file lists it: polygons of any size, normals indexed per polygon corner, and
// per-vertex data. The reader checks every index before it lands here.
struct RawMesh {
  std::string name;
  std::vector<Vec3> positions;
  std::vector<uint32_t> faceSizes;
  std::vector<uint32_t> corners;  // vertex indices of all faces, face after face
  std::vector<Vec3> normals;
  std::vector<uint32_t> normalCorners;  // same layout as corners; empty without MeshNormals
  std::vector<Vec3> vertexNormals;      // per vertex, from a declared vertex layout
  std::vector<std::array<float, 2>> texCoords;
  std::vector<std::array<float, 4>> colors;
  std::vector<uint32_t> faceMaterials;  // one per face
  std::vector<Material> materials;
  std::vector<Bone> bones;
};

// Turns polygons into fanned triangles and gives each vertex one normal, repeating a vertex
// where its faces disagree about it.
MeshContainer BuildMesh(RawMesh raw);

}  // namespace platform::xfile
