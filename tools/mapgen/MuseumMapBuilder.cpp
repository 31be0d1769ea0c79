#include "tools/mapgen/MuseumMapBuilder.h"

#include <algorithm>
#include <cstring>

#include "map/BspData.h"
#include "tools/mapgen/BspTreeBuilder.h"
#include "tools/mapgen/Lightmapper.h"
#include "tools/mapgen/MapQuads.h"

namespace {

constexpr float kTextureRepeat = 128.0f;  // world units per texture image
constexpr int32_t kContentsSolid = 1;

int TextureIndex(BspFileContents& out, const std::string& name) {
  for (size_t i = 0; i < out.textures.size(); ++i)
    if (BspName(out.textures[i].name) == name) return int(i);
  BspTexture t{};
  std::strncpy(t.name, name.c_str(), kBspNameLength - 1);
  t.contentFlags = kContentsSolid;
  out.textures.push_back(t);
  return int(out.textures.size() - 1);
}

void AddFace(const Quad& q, BspFileContents& out) {
  Vec3 corners[4] = {q.origin, q.origin + q.s * q.width, q.origin + q.s * q.width + q.t * q.height,
                     q.origin + q.t * q.height};
  // Map faces wind clockwise seen from the front, as the renderer's culling expects.
  if (Dot(Cross(corners[1] - corners[0], corners[2] - corners[0]), q.normal) > 0)
    std::swap(corners[1], corners[3]);
  BspFace f{};
  f.texture = TextureIndex(out, q.texture);
  f.effect = -1;
  f.type = kFacePolygon;
  f.firstVertex = int32_t(out.vertices.size());
  f.vertexCount = 4;
  f.firstMeshVertex = int32_t(out.meshVertices.size());
  f.meshVertexCount = 6;
  f.normal[0] = q.normal.x, f.normal[1] = q.normal.y, f.normal[2] = q.normal.z;
  for (Vec3 c : corners) {
    Vec3 local = c - q.origin;
    BspVertex v{};
    v.position[0] = c.x, v.position[1] = c.y, v.position[2] = c.z;
    v.texCoord[0] = Dot(local, q.s) / kTextureRepeat;
    v.texCoord[1] = -Dot(local, q.t) / kTextureRepeat;
    v.normal[0] = q.normal.x, v.normal[1] = q.normal.y, v.normal[2] = q.normal.z;
    std::fill(v.color, v.color + 4, 255);
    out.vertices.push_back(v);
  }
  for (int32_t offset : {0, 1, 2, 0, 2, 3}) out.meshVertices.push_back(offset);
  out.faces.push_back(f);
}

BspModel WorldModel(const BspFileContents& out) {
  BspModel m{};
  const float* first = out.vertices.front().position;
  std::copy(first, first + 3, m.mins);
  std::copy(first, first + 3, m.maxs);
  for (const BspVertex& v : out.vertices) {
    for (int k = 0; k < 3; ++k) {
      m.mins[k] = std::min(m.mins[k], v.position[k]);
      m.maxs[k] = std::max(m.maxs[k], v.position[k]);
    }
  }
  m.faceCount = int32_t(out.faces.size());
  return m;
}

// The entity lump: one block per placed entity, "origin" with the plan's offset applied.
std::string EntityText(const MapPlan& plan) {
  std::string text;
  auto line = [&](const std::string& key, const std::string& value) {
    text += "\"" + key + "\" \"" + value + "\"\n";
  };
  for (const PlacedEntity& e : plan.entities) {
    text += "{\n";
    line("classname", e.classname);
    if (e.classname != "worldspawn") {
      line("origin", std::to_string(e.origin[0] + plan.offsetX) + " " +
                         std::to_string(e.origin[1]) + " " + std::to_string(e.origin[2]));
    }
    for (const auto& [key, value] : e.keys) line(key, value);
    text += "}\n";
  }
  return text;
}

}  // namespace

BspFileContents BuildMuseumMap(const MapPlan& plan) {
  BspFileContents out;
  std::vector<Quad> quads = BuildAreaQuads(plan);
  std::vector<int> firstFace(plan.areas.size() + 1, int(quads.size()));
  for (size_t i = quads.size(); i-- > 0;) firstFace[size_t(quads[i].area)] = int(i);
  for (const Quad& q : quads) AddFace(q, out);
  out.models.push_back(WorldModel(out));
  BuildBspTree(plan, firstFace, out);
  BuildVisibility(plan, out);
  BakeLightmaps(plan, quads, out);
  BakeLightGrid(plan, out);
  out.entityText = EntityText(plan);
  return out;
}

std::string MapListXml(const std::vector<MapPlan>& plans) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<list>";
  for (const MapPlan& p : plans) xml += "<string>" + p.fileName + "</string>";
  return xml + "</list>";
}
