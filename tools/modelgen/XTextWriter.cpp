#include "tools/modelgen/XTextWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace modelgen {

using namespace platform::xfile;

namespace {

class TextOut {
 public:
  std::string text;

  void Line(int depth, const std::string& s) {
    text.append(size_t(depth), ' ');
    text += s;
    text += '\n';
  }
  static std::string Num(float v) {
    if (std::fabs(v) < 5e-7f) v = 0;  // no "-0.000000"
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6f", double(v));
    return buf;
  }
  static std::string Vec(const Vec3& v) { return Num(v.x) + ";" + Num(v.y) + ";" + Num(v.z) + ";"; }
  static std::string Mat(const Matrix& m) {
    std::string s;
    for (int i = 0; i < 16; ++i) s += Num(m[i]) + (i < 15 ? "," : ";;");
    return s;
  }
  // Element i of n in a list: "," between elements, ";" after the last.
  static const char* Sep(size_t i, size_t n) { return i + 1 < n ? "," : ";"; }
};

void WriteMaterial(TextOut& out, int d, const Material& m) {
  out.Line(d, "Material {");
  out.Line(d + 1, TextOut::Num(m.diffuse[0]) + ";" + TextOut::Num(m.diffuse[1]) + ";" +
                      TextOut::Num(m.diffuse[2]) + ";" + TextOut::Num(m.diffuse[3]) + ";;");
  out.Line(d + 1, TextOut::Num(m.power) + ";");
  out.Line(d + 1, TextOut::Vec({m.specular[0], m.specular[1], m.specular[2]}) + ";");
  out.Line(d + 1, TextOut::Vec({m.emissive[0], m.emissive[1], m.emissive[2]}) + ";");
  if (!m.textureFilename.empty()) {
    out.Line(d + 1, "TextureFilename {");
    out.Line(d + 2, "\"" + m.textureFilename + "\";");
    out.Line(d + 1, "}");
  }
  out.Line(d, "}");
}

void WriteFaces(TextOut& out, int d, const MeshContainer& mesh) {
  const size_t n = mesh.TriangleCount();
  out.Line(d, std::to_string(n) + ";");
  for (size_t t = 0; t < n; ++t)
    out.Line(d, "3;" + std::to_string(mesh.indices[t * 3]) + "," +
                    std::to_string(mesh.indices[t * 3 + 1]) + "," +
                    std::to_string(mesh.indices[t * 3 + 2]) + ";" + TextOut::Sep(t, n));
}

void WriteVectors(TextOut& out, int d, const std::vector<Vec3>& vs) {
  out.Line(d, std::to_string(vs.size()) + ";");
  for (size_t i = 0; i < vs.size(); ++i)
    out.Line(d, TextOut::Vec(vs[i]) + TextOut::Sep(i, vs.size()));
}

void WriteSkin(TextOut& out, int d, const MeshContainer& mesh) {
  // Influences per face: the distinct bones over a triangle's three corners.
  std::vector<std::vector<uint32_t>> vertexBones(mesh.positions.size());
  for (uint32_t b = 0; b < mesh.bones.size(); ++b)
    for (uint32_t v : mesh.bones[b].vertices) vertexBones[v].push_back(b);
  size_t perVertex = 0, perFace = 0;
  for (const auto& bones : vertexBones) perVertex = std::max(perVertex, bones.size());
  for (size_t t = 0; t < mesh.TriangleCount(); ++t) {
    std::vector<uint32_t> bones;
    for (int c = 0; c < 3; ++c)
      for (uint32_t b : vertexBones[mesh.indices[t * 3 + c]])
        if (std::find(bones.begin(), bones.end(), b) == bones.end()) bones.push_back(b);
    perFace = std::max(perFace, bones.size());
  }
  out.Line(d, "XSkinMeshHeader {");
  out.Line(d + 1, std::to_string(perVertex) + ";");
  out.Line(d + 1, std::to_string(perFace) + ";");
  out.Line(d + 1, std::to_string(mesh.bones.size()) + ";");
  out.Line(d, "}");
  for (const Bone& bone : mesh.bones) {
    out.Line(d, "SkinWeights {");
    out.Line(d + 1, "\"" + bone.name + "\";");
    const size_t n = bone.vertices.size();
    out.Line(d + 1, std::to_string(n) + ";");
    for (size_t i = 0; i < n; ++i)
      out.Line(d + 1, std::to_string(bone.vertices[i]) + TextOut::Sep(i, n));
    for (size_t i = 0; i < n; ++i)
      out.Line(d + 1, TextOut::Num(bone.weights[i]) + TextOut::Sep(i, n));
    out.Line(d + 1, TextOut::Mat(bone.offset));
    out.Line(d, "}");
  }
}

void WriteMesh(TextOut& out, int d, const MeshContainer& mesh) {
  out.Line(d, "Mesh " + mesh.name + " {");
  WriteVectors(out, d + 1, mesh.positions);
  WriteFaces(out, d + 1, mesh);
  if (!mesh.normals.empty()) {
    out.Line(d + 1, "MeshNormals {");
    WriteVectors(out, d + 2, mesh.normals);
    WriteFaces(out, d + 2, mesh);
    out.Line(d + 1, "}");
  }
  if (!mesh.texCoords.empty()) {
    const size_t n = mesh.texCoords.size();
    out.Line(d + 1, "MeshTextureCoords {");
    out.Line(d + 2, std::to_string(n) + ";");
    for (size_t i = 0; i < n; ++i)
      out.Line(d + 2, TextOut::Num(mesh.texCoords[i][0]) + ";" +
                          TextOut::Num(mesh.texCoords[i][1]) + ";" + TextOut::Sep(i, n));
    out.Line(d + 1, "}");
  }
  out.Line(d + 1, "MeshMaterialList {");
  out.Line(d + 2, std::to_string(mesh.materials.size()) + ";");
  const size_t faces = mesh.triangleMaterials.size();
  out.Line(d + 2, std::to_string(faces) + ";");
  for (size_t t = 0; t < faces; ++t)
    out.Line(d + 2, std::to_string(mesh.triangleMaterials[t]) + TextOut::Sep(t, faces));
  for (const Material& m : mesh.materials) WriteMaterial(out, d + 2, m);
  out.Line(d + 1, "}");
  if (!mesh.bones.empty()) WriteSkin(out, d + 1, mesh);
  out.Line(d, "}");
}

void WriteFrame(TextOut& out, int d, const Model& model, uint32_t index) {
  const Frame& frame = model.frames[index];
  out.Line(d, "Frame " + frame.name + " {");
  out.Line(d + 1, "FrameTransformMatrix {");
  out.Line(d + 2, TextOut::Mat(frame.transform));
  out.Line(d + 1, "}");
  for (uint32_t m : frame.meshes) WriteMesh(out, d + 1, model.meshes[m]);
  for (uint32_t c : frame.children) WriteFrame(out, d + 1, model, c);
  out.Line(d, "}");
}

template <typename T, typename F>
void WriteKeys(TextOut& out, int d, int type, const std::vector<Key<T>>& keys, F values) {
  if (keys.empty()) return;
  out.Line(d, "AnimationKey {");
  out.Line(d + 1, std::to_string(type) + ";");
  out.Line(d + 1, std::to_string(keys.size()) + ";");
  for (size_t i = 0; i < keys.size(); ++i)
    out.Line(d + 1, std::to_string(keys[i].time) + ";" + values(keys[i].value) + ";;" +
                        TextOut::Sep(i, keys.size()));
  out.Line(d, "}");
}

void WriteAnimationSet(TextOut& out, const AnimationSet& set) {
  out.Line(0, "AnimationSet " + set.name + " {");
  for (const Animation& a : set.animations) {
    out.Line(1, "Animation {");
    out.Line(2, "{ " + a.frameName + " }");
    WriteKeys(out, 2, 0, a.rotations, [](const Quat& q) {
      return "4;" + TextOut::Num(q.w) + "," + TextOut::Num(q.x) + "," + TextOut::Num(q.y) + "," +
             TextOut::Num(q.z);
    });
    auto vec = [](const Vec3& v) {
      return "3;" + TextOut::Num(v.x) + "," + TextOut::Num(v.y) + "," + TextOut::Num(v.z);
    };
    WriteKeys(out, 2, 1, a.scales, vec);
    WriteKeys(out, 2, 2, a.positions, vec);
    out.Line(1, "}");
  }
  out.Line(0, "}");
}

}  // namespace

std::string WriteTextModel(const Model& model) {
  TextOut out;
  out.Line(0, "xof 0303txt 0032");
  out.Line(0, "");
  if (!model.animationSets.empty()) {
    char rate[32];
    std::snprintf(rate, sizeof rate, "%u;", unsigned(model.animationSets[0].ticksPerSecond));
    out.Line(0, "AnimTicksPerSecond {");
    out.Line(1, rate);
    out.Line(0, "}");
  }
  if (!model.frames.empty()) WriteFrame(out, 0, model, 0);
  for (auto it = model.animationSets.rbegin(); it != model.animationSets.rend(); ++it)
    WriteAnimationSet(out, *it);
  return out.text;
}

}  // namespace modelgen
