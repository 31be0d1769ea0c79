#include "platform/xfile/Parser.h"

#include <strings.h>

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace platform::xfile {
namespace {

// Deeper frame trees than this are damage, not models; the cap keeps recursion bounded.
constexpr int kMaxFrameDepth = 256;
// Counts are bounded by the bytes left, but a file of nothing but tiny objects ("Frame{}")
// would still cost far more memory than its size; no model of the game comes near this.
constexpr size_t kMaxObjects = 1 << 18;

bool Is(std::string_view type, const char* name) {
  return type.size() == std::strlen(name) && strncasecmp(type.data(), name, type.size()) == 0;
}

std::string Quote(std::string_view s) { return "'" + std::string(s) + "'"; }

}  // namespace

Model Parser::Run() {
  model_.frames.push_back(Frame{});  // provisional root; FinishTree drops it when not needed
  for (;;) {
    const Token t = tokens_.Next();
    if (t.kind == TokenKind::End) break;
    if (t.kind == TokenKind::Template) {
      SkipTemplate();
      continue;
    }
    if (t.kind == TokenKind::OpenBrace) {  // a reference at the top level means nothing
      SkipBody();
      continue;
    }
    if (t.kind != TokenKind::Name) continue;  // stray values between objects
    Header h = ReadHeader(t.text);
    if (Is(h.type, "Frame"))
      ParseFrame(0, std::move(h.name), 1);
    else if (Is(h.type, "Mesh"))
      ParseMesh(0, std::move(h.name));
    else if (Is(h.type, "Material"))
      namedMaterials_[h.name] = ParseMaterial();
    else if (Is(h.type, "AnimationSet"))
      ParseAnimationSet(std::move(h.name));
    else if (Is(h.type, "AnimTicksPerSecond"))
      ParseTicksPerSecond();
    else
      SkipBody();
  }
  FinishTree();
  // A set read before any rate takes the file's first rate; without one the default stands.
  for (size_t i = 0; i < model_.animationSets.size(); ++i)
    if (!setHasRate_[i] && firstRate_) model_.animationSets[i].ticksPerSecond = *firstRate_;
  std::reverse(model_.animationSets.begin(), model_.animationSets.end());
  return std::move(model_);
}

void Parser::FinishTree() {
  std::vector<Frame>& frames = model_.frames;
  if (frames[0].meshes.empty() && frames[0].children.empty())
    throw ParseError("the file holds no frame and no mesh");
  if (!frames[0].meshes.empty() || frames[0].children.size() != 1) return;
  // One top-level frame: it is the root itself.
  frames.erase(frames.begin());
  for (Frame& f : frames) {
    f.parent -= 1;
    for (uint32_t& c : f.children) c -= 1;
  }
}

bool Parser::NextChild(Header& header) {
  for (;;) {
    const Token t = tokens_.Next();
    switch (t.kind) {
      case TokenKind::CloseBrace:
        return false;
      case TokenKind::End:
        throw ParseError("the file ends inside a data object");
      case TokenKind::OpenBrace: {
        header = Header{};
        for (Token r = tokens_.Next(); r.kind != TokenKind::CloseBrace; r = tokens_.Next()) {
          if (r.kind == TokenKind::End) throw ParseError("the file ends inside a reference");
          if (r.kind == TokenKind::OpenBrace) throw ParseError("'{' inside a reference");
          if (header.name.empty() && (r.kind == TokenKind::Name || r.kind == TokenKind::Number))
            header.name = r.text;
        }
        return true;
      }
      case TokenKind::Name:
        header = ReadHeader(t.text);
        return true;
      case TokenKind::Template:
        SkipTemplate();
        continue;
      default:
        continue;  // values beyond what the template holds, as some exporters write them
    }
  }
}

Parser::Header Parser::ReadHeader(std::string_view type) {
  if (++objects_ > kMaxObjects) throw ParseError("too many data objects");
  Header h{type, {}};
  Token t = tokens_.Next();
  if (t.kind == TokenKind::Name || t.kind == TokenKind::Number) {
    h.name = t.text;
    t = tokens_.Next();
  }
  if (t.kind != TokenKind::OpenBrace) throw ParseError("expected '{' after " + Quote(type));
  if (tokens_.Peek().kind == TokenKind::Guid) tokens_.Next();
  return h;
}

void Parser::SkipBody() {
  for (size_t depth = 1; depth > 0;) {
    const Token t = tokens_.Next();
    if (t.kind == TokenKind::End) throw ParseError("the file ends inside a data object");
    if (t.kind == TokenKind::OpenBrace) ++depth;
    if (t.kind == TokenKind::CloseBrace) --depth;
  }
}

void Parser::SkipTemplate() {
  for (Token t = tokens_.Next(); t.kind != TokenKind::OpenBrace; t = tokens_.Next())
    if (t.kind == TokenKind::End || t.kind == TokenKind::CloseBrace)
      throw ParseError("damaged template definition");
  SkipBody();
}

double Parser::ReadNumber(const char* what) {
  const Token t = tokens_.Next();
  if (t.kind != TokenKind::Number) {
    std::string found = t.kind == TokenKind::End ? "the end of the file" : Quote(t.text);
    throw ParseError(std::string("expected a number for ") + what + ", found " + found);
  }
  return t.number;
}

// NaN, infinity and numbers beyond float range are refused: one such value in a vertex or a
// matrix spreads through skinning and bounds into everything drawn or collided with.
float Parser::ReadFloat(const char* what) {
  const double d = ReadNumber(what);
  if (!(std::fabs(d) <= FLT_MAX)) throw ParseError(std::string(what) + " is not a finite number");
  return static_cast<float>(d);
}

uint32_t Parser::ReadUInt(const char* what) {
  const double d = ReadNumber(what);
  if (!(d >= 0 && d <= 4294967295.0) || d != std::floor(d))
    throw ParseError(std::string(what) + " is not a whole number in range");
  return static_cast<uint32_t>(d);
}

uint32_t Parser::ReadCount(const char* what, uint64_t numbersPerItem) {
  const uint32_t n = ReadUInt(what);
  if (n * numbersPerItem > tokens_.Remaining())
    throw ParseError(std::string(what) + " count " + std::to_string(n) + " exceeds the data");
  return n;
}

std::string Parser::ReadString(const char* what) {
  const Token t = tokens_.Next();
  if (t.kind != TokenKind::String && t.kind != TokenKind::Name)
    throw ParseError(std::string("expected a string for ") + what);
  return std::string(t.text);
}

Vec3 Parser::ReadVec3(const char* what) {
  Vec3 v;
  v.x = ReadFloat(what);
  v.y = ReadFloat(what);
  v.z = ReadFloat(what);
  return v;
}

Matrix Parser::ReadMatrix(const char* what) {
  Matrix m;
  for (float& f : m) f = ReadFloat(what);
  return m;
}

void Parser::ParseFrame(uint32_t parent, std::string name, int depth) {
  if (depth > kMaxFrameDepth) throw ParseError("frames nested too deeply");
  const auto index = static_cast<uint32_t>(model_.frames.size());
  model_.frames.push_back(Frame{std::move(name), IdentityMatrix(), int32_t(parent), {}, {}});
  model_.frames[parent].children.push_back(index);
  Header h;
  while (NextChild(h)) {
    if (Is(h.type, "FrameTransformMatrix")) {
      model_.frames[index].transform = ReadMatrix("frame matrix");
      SkipBody();
    } else if (Is(h.type, "Frame")) {
      ParseFrame(index, std::move(h.name), depth + 1);
    } else if (Is(h.type, "Mesh")) {
      ParseMesh(index, std::move(h.name));
    } else if (!h.type.empty()) {
      SkipBody();
    }
  }
}

void Parser::ParseMesh(uint32_t frame, std::string name) {
  RawMesh raw;
  raw.name = std::move(name);
  const uint32_t vertices = ReadCount("vertex", 3);
  raw.positions.reserve(vertices);
  for (uint32_t i = 0; i < vertices; ++i) raw.positions.push_back(ReadVec3("vertex"));
  ParseFaces(raw);
  Header h;
  while (NextChild(h)) {
    if (Is(h.type, "MeshNormals"))
      ParseNormals(raw);
    else if (Is(h.type, "MeshTextureCoords"))
      ParseTexCoords(raw);
    else if (Is(h.type, "MeshVertexColors"))
      ParseVertexColors(raw);
    else if (Is(h.type, "MeshMaterialList"))
      ParseMaterialList(raw);
    else if (Is(h.type, "SkinWeights"))
      ParseSkinWeights(raw);
    else if (Is(h.type, "DeclData"))
      ParseDeclData(raw);
    else if (!h.type.empty())
      SkipBody();
  }
  if (raw.materials.empty()) {
    raw.materials.push_back(Material{});
    raw.faceMaterials.assign(raw.faceSizes.size(), 0);
  }
  model_.meshes.push_back(BuildMesh(std::move(raw)));
  model_.frames[frame].meshes.push_back(uint32_t(model_.meshes.size() - 1));
}

void Parser::ParseFaces(RawMesh& raw) {
  const uint32_t faces = ReadCount("face", 1);
  raw.faceSizes.reserve(faces);
  for (uint32_t f = 0; f < faces; ++f) {
    const uint32_t size = ReadCount("face vertex", 1);
    raw.faceSizes.push_back(size);
    for (uint32_t i = 0; i < size; ++i) {
      const uint32_t v = ReadUInt("face vertex");
      if (v >= raw.positions.size())
        throw ParseError("a face uses vertex " + std::to_string(v) + " of " +
                         std::to_string(raw.positions.size()));
      raw.corners.push_back(v);
    }
  }
}

void Parser::ParseNormals(RawMesh& raw) {
  const uint32_t count = ReadCount("normal", 3);
  raw.normals.clear();
  raw.normals.reserve(count);
  for (uint32_t i = 0; i < count; ++i) raw.normals.push_back(ReadVec3("normal"));
  const uint32_t faces = ReadCount("normal face", 1);
  if (faces != raw.faceSizes.size())
    throw ParseError("MeshNormals has " + std::to_string(faces) + " faces, the mesh " +
                     std::to_string(raw.faceSizes.size()));
  raw.normalCorners.clear();
  for (uint32_t f = 0; f < faces; ++f) {
    if (ReadUInt("normal face size") != raw.faceSizes[f])
      throw ParseError("a MeshNormals face differs in size from its mesh face");
    for (uint32_t i = 0; i < raw.faceSizes[f]; ++i) {
      const uint32_t n = ReadUInt("normal index");
      if (n >= count)
        throw ParseError("a face uses normal " + std::to_string(n) + " of " +
                         std::to_string(count));
      raw.normalCorners.push_back(n);
    }
  }
  SkipBody();
}

// The first set of texture coordinates is the one drawn with; later sets are skipped.
void Parser::ParseTexCoords(RawMesh& raw) {
  if (!raw.texCoords.empty()) return SkipBody();
  const uint32_t count = ReadCount("texture coordinate", 2);
  if (count != raw.positions.size())
    throw ParseError(std::to_string(count) + " texture coordinates for " +
                     std::to_string(raw.positions.size()) + " vertices");
  raw.texCoords.resize(count);
  for (auto& uv : raw.texCoords) {
    uv[0] = ReadFloat("texture coordinate");
    uv[1] = ReadFloat("texture coordinate");
  }
  SkipBody();
}

void Parser::ParseVertexColors(RawMesh& raw) {
  const uint32_t count = ReadCount("vertex colour", 5);
  raw.colors.assign(raw.positions.size(), {1, 1, 1, 1});
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t v = ReadUInt("vertex colour index");
    if (v >= raw.positions.size())
      throw ParseError("a colour for vertex " + std::to_string(v) + " of " +
                       std::to_string(raw.positions.size()));
    for (float& c : raw.colors[v]) c = ReadFloat("vertex colour");
  }
  SkipBody();
}

void Parser::ParseMaterialList(RawMesh& raw) {
  // Every declared material takes at least three bytes further on, even as a reference.
  const uint32_t count = ReadCount("material", 3);
  const uint32_t indexCount = ReadCount("material index", 1);
  std::vector<uint32_t> indices(indexCount);
  for (uint32_t& m : indices) {
    m = ReadUInt("material index");
    if (m >= count)
      throw ParseError("a face uses material " + std::to_string(m) + " of " +
                       std::to_string(count));
  }
  // Exporters shorten the list when faces share a material: the last index goes on.
  indices.resize(raw.faceSizes.size(), indices.empty() ? 0 : indices.back());
  std::vector<Material> materials;
  Header h;
  while (NextChild(h)) {
    if (Is(h.type, "Material")) {
      std::string name = std::move(h.name);
      Material m = ParseMaterial();
      if (!name.empty()) namedMaterials_[name] = m;
      materials.push_back(std::move(m));
    } else if (h.type.empty()) {
      auto found = namedMaterials_.find(h.name);
      if (found == namedMaterials_.end()) throw ParseError("unknown material " + Quote(h.name));
      materials.push_back(found->second);
    } else {
      SkipBody();
    }
  }
  if (count == 0) return;  // no materials: the mesh gets the default one
  materials.resize(count);
  raw.materials = std::move(materials);
  raw.faceMaterials = std::move(indices);
}

Material Parser::ParseMaterial() {
  Material m;
  for (float& c : m.diffuse) c = ReadFloat("material colour");
  m.power = ReadFloat("material power");
  for (float& c : m.specular) c = ReadFloat("material colour");
  for (float& c : m.emissive) c = ReadFloat("material colour");
  Header h;
  while (NextChild(h)) {
    if (Is(h.type, "TextureFilename")) {
      m.textureFilename = ReadString("texture file name");
      SkipBody();
    } else if (!h.type.empty()) {
      SkipBody();
    }
  }
  return m;
}

void Parser::ParseSkinWeights(RawMesh& raw) {
  Bone bone;
  bone.name = ReadString("bone name");
  const uint32_t count = ReadCount("skin weight", 2);
  bone.vertices.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t v = ReadUInt("skin weight vertex");
    if (v >= raw.positions.size())
      throw ParseError("bone " + Quote(bone.name) + " weights vertex " + std::to_string(v) +
                       " of " + std::to_string(raw.positions.size()));
    bone.vertices.push_back(v);
  }
  bone.weights.reserve(count);
  for (uint32_t i = 0; i < count; ++i) bone.weights.push_back(ReadFloat("skin weight"));
  bone.offset = ReadMatrix("bone offset matrix");
  raw.bones.push_back(std::move(bone));
  SkipBody();
}

void Parser::ParseTicksPerSecond() {
  const uint32_t rate = ReadUInt("AnimTicksPerSecond");
  if (rate == 0) throw ParseError("AnimTicksPerSecond is 0");
  ticksPerSecond_ = rate;
  if (!firstRate_) firstRate_ = rate;
  SkipBody();
}

void Parser::ParseAnimationSet(std::string name) {
  AnimationSet set;
  set.name = std::move(name);
  setHasRate_.push_back(ticksPerSecond_.has_value());
  if (ticksPerSecond_) set.ticksPerSecond = *ticksPerSecond_;
  Header h;
  while (NextChild(h)) {
    if (Is(h.type, "Animation"))
      set.animations.push_back(ParseAnimation());
    else if (!h.type.empty())
      SkipBody();
  }
  model_.animationSets.push_back(std::move(set));
}

Animation Parser::ParseAnimation() {
  Animation animation;
  Header h;
  while (NextChild(h)) {
    if (h.type.empty())
      animation.frameName = h.name;
    else if (Is(h.type, "AnimationKey"))
      ParseAnimationKey(animation);
    else
      SkipBody();
  }
  auto byTime = [](const auto& a, const auto& b) { return a.time < b.time; };
  std::stable_sort(animation.rotations.begin(), animation.rotations.end(), byTime);
  std::stable_sort(animation.scales.begin(), animation.scales.end(), byTime);
  std::stable_sort(animation.positions.begin(), animation.positions.end(), byTime);
  std::stable_sort(animation.matrices.begin(), animation.matrices.end(), byTime);
  return animation;
}

void Parser::ParseAnimationKey(Animation& animation) {
  const uint32_t type = ReadUInt("animation key type");
  static constexpr uint32_t kValues[] = {4, 3, 3, 16, 16};
  if (type > 4) throw ParseError("unknown animation key type " + std::to_string(type));
  const uint32_t count = ReadCount("animation key", 2 + kValues[type]);
  for (uint32_t i = 0; i < count; ++i) {
    const uint32_t time = ReadUInt("animation key time");
    const uint32_t values = ReadUInt("animation key size");
    if (values != kValues[type])
      throw ParseError("animation key of type " + std::to_string(type) + " with " +
                       std::to_string(values) + " values");
    if (type == 0) {
      Quat q;
      q.w = ReadFloat("rotation key");
      q.x = ReadFloat("rotation key");
      q.y = ReadFloat("rotation key");
      q.z = ReadFloat("rotation key");
      animation.rotations.push_back({time, q});
    } else if (type == 1) {
      animation.scales.push_back({time, ReadVec3("scale key")});
    } else if (type == 2) {
      animation.positions.push_back({time, ReadVec3("position key")});
    } else {
      animation.matrices.push_back({time, ReadMatrix("matrix key")});
    }
  }
  SkipBody();
}

// A vertex layout followed by the raw vertex words. Normals, the first texture coordinates
// and the colour are taken from it; other elements are stepped over.
void Parser::ParseDeclData(RawMesh& raw) {
  enum : uint32_t {
    kFloat2 = 1,
    kFloat3 = 2,
    kColor = 4,
    kNormal = 3,
    kTexCoord = 5,
    kColorUsage = 10
  };
  static constexpr uint32_t kBytes[] = {4, 8, 12, 16, 4, 4, 4, 8, 4, 4, 8, 4, 8, 4, 4, 4, 8};
  struct Element {
    uint32_t type, usage, usageIndex, offset;  // offset in words
  };
  const uint32_t count = ReadCount("vertex element", 4);
  std::vector<Element> elements;
  uint32_t stride = 0;
  for (uint32_t i = 0; i < count; ++i) {
    Element e{};
    e.type = ReadUInt("vertex element type");
    ReadUInt("vertex element method");
    e.usage = ReadUInt("vertex element usage");
    e.usageIndex = ReadUInt("vertex element usage index");
    if (e.type >= std::size(kBytes))
      throw ParseError("unknown vertex element type " + std::to_string(e.type));
    e.offset = stride;
    stride += kBytes[e.type] / 4;
    elements.push_back(e);
  }
  const uint32_t words = ReadCount("DeclData word", 1);
  if (uint64_t(stride) * raw.positions.size() != words)
    throw ParseError("DeclData holds " + std::to_string(words) + " words for " +
                     std::to_string(raw.positions.size()) + " vertices");
  std::vector<uint32_t> data(words);
  for (uint32_t& w : data) w = ReadUInt("DeclData word");
  const size_t vertices = raw.positions.size();
  auto word = [&](size_t v, const Element& e, uint32_t i) {
    return data[v * stride + e.offset + i];
  };
  auto real = [&](size_t v, const Element& e, uint32_t i) {
    const float f = std::bit_cast<float>(word(v, e, i));
    if (!std::isfinite(f)) throw ParseError("DeclData value is not a finite number");
    return f;
  };
  for (const Element& e : elements) {
    if (e.usage == kNormal && e.type == kFloat3) {
      raw.vertexNormals.resize(vertices);
      for (size_t v = 0; v < vertices; ++v)
        raw.vertexNormals[v] = {real(v, e, 0), real(v, e, 1), real(v, e, 2)};
    } else if (e.usage == kTexCoord && e.usageIndex == 0 && e.type == kFloat2 &&
               raw.texCoords.empty()) {
      raw.texCoords.resize(vertices);
      for (size_t v = 0; v < vertices; ++v) raw.texCoords[v] = {real(v, e, 0), real(v, e, 1)};
    } else if (e.usage == kColorUsage && e.type == kColor) {
      raw.colors.resize(vertices);
      for (size_t v = 0; v < vertices; ++v) {
        const uint32_t argb = word(v, e, 0);
        raw.colors[v] = {((argb >> 16) & 255) / 255.f, ((argb >> 8) & 255) / 255.f,
                         (argb & 255) / 255.f, (argb >> 24) / 255.f};
      }
    }
  }
  SkipBody();
}

}  // namespace platform::xfile
