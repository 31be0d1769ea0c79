#include "platform/xfile/MeshBuilder.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace platform::xfile {
namespace {

// Gives each corner a vertex whose normal is the corner's, appending copies of vertices that
// carry more than one normal. Returns the vertex of every corner; source[v] is the file vertex
// that vertex v repeats.
std::vector<uint32_t> SplitByNormal(const RawMesh& raw, MeshContainer& mesh,
                                    std::vector<uint32_t>& source) {
  std::vector<int64_t> normalOf(mesh.positions.size(), -1);
  std::unordered_map<uint64_t, uint32_t> copies;
  std::vector<uint32_t> cornerVertex(raw.corners.size());
  for (size_t c = 0; c < raw.corners.size(); ++c) {
    const uint32_t p = raw.corners[c], n = raw.normalCorners[c];
    if (normalOf[p] < 0) normalOf[p] = n;
    if (normalOf[p] == n) {
      cornerVertex[c] = p;
      continue;
    }
    auto [it, added] = copies.try_emplace((uint64_t(p) << 32) | n, uint32_t(mesh.positions.size()));
    if (added) {
      mesh.positions.push_back(raw.positions[p]);
      if (!mesh.texCoords.empty()) mesh.texCoords.push_back(raw.texCoords[p]);
      if (!mesh.colors.empty()) mesh.colors.push_back(raw.colors[p]);
      source.push_back(p);
      normalOf.push_back(n);
    }
    cornerVertex[c] = it->second;
  }
  mesh.normals.resize(mesh.positions.size());
  for (size_t v = 0; v < normalOf.size(); ++v)
    if (normalOf[v] >= 0) mesh.normals[v] = raw.normals[normalOf[v]];
  return cornerVertex;
}

// Repeated vertices follow the bones of the vertex they repeat.
void CopyWeightsToRepeats(const std::vector<uint32_t>& source, size_t fileVertices,
                          std::vector<Bone>& bones) {
  std::vector<std::pair<uint32_t, uint32_t>> repeats;  // (file vertex, copy)
  for (size_t v = fileVertices; v < source.size(); ++v)
    repeats.emplace_back(source[v], uint32_t(v));
  std::sort(repeats.begin(), repeats.end());
  for (Bone& bone : bones) {
    const size_t count = bone.vertices.size();
    for (size_t i = 0; i < count; ++i) {
      auto range = std::equal_range(repeats.begin(), repeats.end(),
                                    std::pair<uint32_t, uint32_t>(bone.vertices[i], 0),
                                    [](auto a, auto b) { return a.first < b.first; });
      for (auto it = range.first; it != range.second; ++it) {
        bone.vertices.push_back(it->second);
        bone.weights.push_back(bone.weights[i]);
      }
    }
  }
}

}  // namespace

MeshContainer BuildMesh(RawMesh raw) {
  MeshContainer mesh;
  mesh.name = std::move(raw.name);
  mesh.positions = raw.positions;
  mesh.texCoords = raw.texCoords;
  mesh.colors = raw.colors;
  const size_t fileVertices = raw.positions.size();
  std::vector<uint32_t> source(fileVertices);
  for (size_t v = 0; v < fileVertices; ++v) source[v] = uint32_t(v);

  std::vector<uint32_t> cornerVertex = raw.corners;
  if (!raw.normalCorners.empty())
    cornerVertex = SplitByNormal(raw, mesh, source);
  else if (!raw.vertexNormals.empty())
    mesh.normals = std::move(raw.vertexNormals);

  size_t first = 0;
  for (size_t f = 0; f < raw.faceSizes.size(); ++f) {
    const uint32_t size = raw.faceSizes[f];
    for (uint32_t i = 1; i + 1 < size; ++i) {
      mesh.indices.insert(mesh.indices.end(), {cornerVertex[first], cornerVertex[first + i],
                                               cornerVertex[first + i + 1]});
      mesh.triangleMaterials.push_back(raw.faceMaterials[f]);
    }
    first += size;
  }
  mesh.materials = std::move(raw.materials);

  mesh.bones = std::move(raw.bones);
  CopyWeightsToRepeats(source, fileVertices, mesh.bones);
  std::vector<uint32_t> influences(mesh.positions.size(), 0);
  for (const Bone& bone : mesh.bones)
    for (uint32_t v : bone.vertices)
      mesh.maxVertexInfluences = std::max(mesh.maxVertexInfluences, ++influences[v]);
  return mesh;
}

}  // namespace platform::xfile
