#include "map/BspValidate.h"

#include <cmath>
#include <string>

#include "map/BspError.h"

namespace {

[[noreturn]] void Refuse(const std::string& what, size_t record, const std::string& problem) {
  throw BspError(kBspNotValid, what + " " + std::to_string(record) + ": " + problem);
}

bool InRange(int64_t index, size_t count) { return index >= 0 && index < int64_t(count); }

// first .. first + count - 1 must lie inside a vector of `size` entries.
bool RangeFits(int32_t first, int32_t count, size_t size) {
  return first >= 0 && count >= 0 && int64_t(first) + count <= int64_t(size);
}

template <size_t N>
bool AllFinite(const float (&values)[N]) {
  for (float v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// A NaN or an infinity would be cooked into the collision mesh and poison every sweep and
// ray that touches it, so the map is refused rather than repaired.
void CheckNumbers(const BspData& map) {
  for (size_t i = 0; i < map.planes.size(); ++i) {
    const BspPlane& p = map.planes[i];
    if (!AllFinite(p.normal) || !std::isfinite(p.distance)) Refuse("plane", i, "not a finite number");
  }
  for (size_t i = 0; i < map.vertices.size(); ++i) {
    if (!AllFinite(map.vertices[i].position)) Refuse("vertex", i, "position not a finite number");
  }
  for (size_t i = 0; i < map.models.size(); ++i)
    if (!AllFinite(map.models[i].mins) || !AllFinite(map.models[i].maxs))
      Refuse("model", i, "bounds not finite numbers");
}

void CheckFaces(BspData& map) {
  for (size_t i = 0; i < map.faces.size(); ++i) {
    BspFace& f = map.faces[i];
    if (!InRange(f.texture, map.textures.size())) Refuse("face", i, "texture out of range");
    if (!InRange(f.effect, map.effects.size())) f.effect = -1;
    if (!RangeFits(f.firstVertex, f.vertexCount, map.vertices.size()))
      Refuse("face", i, "vertex range out of range");
    if (!RangeFits(f.firstMeshVertex, f.meshVertexCount, map.meshVertices.size()))
      Refuse("face", i, "mesh-vertex range out of range");
    for (int32_t k = 0; k < f.meshVertexCount; ++k) {
      if (!InRange(map.meshVertices[f.firstMeshVertex + k], size_t(f.vertexCount)))
        Refuse("face", i, "mesh-vertex offset outside the face's vertices");
    }
    if (f.lightmap >= 0 && !InRange(f.lightmap, map.lightmaps.size()))
      Refuse("face", i, "lightmap out of range");
  }
}

void CheckNodeReferences(const BspData& map) {
  if (map.nodes.empty()) throw BspError(kBspNotValid, "the map has no nodes");
  if (map.leaves.empty()) throw BspError(kBspNotValid, "the map has no leaves");
  for (size_t i = 0; i < map.nodes.size(); ++i) {
    const BspNode& n = map.nodes[i];
    if (!InRange(n.plane, map.planes.size())) Refuse("node", i, "plane out of range");
    for (int32_t child : n.children) {
      if (child >= 0 ? !InRange(child, map.nodes.size())
                     : !InRange(-(int64_t(child) + 1), map.leaves.size()))
        Refuse("node", i, "child out of range");
    }
  }
}

// Walks the nodes reachable from the root: a node reached twice means a cycle or a shared
// subtree, and a deep chain would exhaust the stack of the recursive render walk.
void CheckTreeShape(const BspData& map) {
  std::vector<uint8_t> seen(map.nodes.size(), 0);
  std::vector<std::pair<int32_t, int>> stack{{0, 1}};
  while (!stack.empty()) {
    auto [index, depth] = stack.back();
    stack.pop_back();
    if (seen[index]) Refuse("node", index, "reached twice: the nodes do not form a tree");
    if (depth > kMaxBspTreeDepth) Refuse("node", index, "the tree is too deep");
    seen[index] = 1;
    for (int32_t child : map.nodes[index].children)
      if (child >= 0) stack.push_back({child, depth + 1});
  }
}

void CheckLeaves(const BspData& map) {
  for (size_t i = 0; i < map.leaves.size(); ++i) {
    const BspLeaf& l = map.leaves[i];
    if (!RangeFits(l.firstLeafFace, l.leafFaceCount, map.leafFaces.size()))
      Refuse("leaf", i, "leaf-face range out of range");
    if (!RangeFits(l.firstLeafBrush, l.leafBrushCount, map.leafBrushes.size()))
      Refuse("leaf", i, "leaf-brush range out of range");
  }
  for (size_t i = 0; i < map.leafFaces.size(); ++i)
    if (!InRange(map.leafFaces[i], map.faces.size())) Refuse("leaf face", i, "face out of range");
  for (size_t i = 0; i < map.leafBrushes.size(); ++i)
    if (!InRange(map.leafBrushes[i], map.brushes.size()))
      Refuse("leaf brush", i, "brush out of range");
}

void CheckModelsAndBrushes(const BspData& map) {
  if (map.models.empty()) throw BspError(kBspNotValid, "the map has no world model");
  for (size_t i = 0; i < map.models.size(); ++i) {
    const BspModel& m = map.models[i];
    if (!RangeFits(m.firstFace, m.faceCount, map.faces.size()))
      Refuse("model", i, "face range out of range");
    if (!RangeFits(m.firstBrush, m.brushCount, map.brushes.size()))
      Refuse("model", i, "brush range out of range");
  }
  for (size_t i = 0; i < map.brushes.size(); ++i) {
    const BspBrush& b = map.brushes[i];
    if (!RangeFits(b.firstSide, b.sideCount, map.brushSides.size()))
      Refuse("brush", i, "side range out of range");
    if (!InRange(b.texture, map.textures.size())) Refuse("brush", i, "texture out of range");
  }
  for (size_t i = 0; i < map.brushSides.size(); ++i) {
    const BspBrushSide& s = map.brushSides[i];
    if (!InRange(s.plane, map.planes.size())) Refuse("brush side", i, "plane out of range");
    if (!InRange(s.texture, map.textures.size())) Refuse("brush side", i, "texture out of range");
  }
  for (size_t i = 0; i < map.effects.size(); ++i) {
    int32_t brush = map.effects[i].brush;
    if (brush != -1 && !InRange(brush, map.brushes.size()))
      Refuse("effect", i, "brush out of range");
  }
}

}  // namespace

void ValidateBsp(BspData& map) {
  CheckNumbers(map);
  CheckFaces(map);
  CheckNodeReferences(map);
  CheckTreeShape(map);
  CheckLeaves(map);
  CheckModelsAndBrushes(map);
}
