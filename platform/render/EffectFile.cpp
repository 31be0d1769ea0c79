// Effect files (under Shaders/) are our own text format: directives on lines that begin with
// '@', GLSL in between. Outside shader blocks, blank lines and lines starting with "//" are
// ignored; CRLF line ends are accepted.
//
//   @param float4x4 matWorld
//   @param float4 diffuseMaterial = 1 1 1 1
//   @param float4x4 bones[40]
//   @param bool outline = true
//   @param texture baseTex filter=linear address=clamp
//   @technique Textured
//   @pass vertex=MeshVS fragment=TexturedFS cull=none zwrite=false blend=true srcblend=srcalpha destblend=invsrcalpha alphatest=greater:128
//   @shader common
//   (GLSL placed before the code of every stage)
//   @shader MeshVS
//   void main() { gl_Position = vec4(inPosition.xyz, 1.0) * matViewProjection; }
//   @shader TexturedFS
//   void main() { fragColor = texture(baseTex, vTexCoord) * diffuseMaterial; }
//
// @param: types float float2 float3 float4 float4x4 int bool texture; all but texture may be
// arrays ("name[N]"); defaults follow '='. Each parameter becomes a uniform of that name in
// every stage (vec2..vec4, mat4, int, bool, sampler2D). Textures take filter=point|linear and
// address=wrap|clamp|mirror. Matrices are uploaded as the game gives them (row-major): in GLSL
// `M * v` computes the game's row-vector product v * M, and for the matrices the game hands
// over transposed (matWorld, matViewProjection) `v * M` does.
//
// @technique starts a technique; each @pass line after it adds a pass. Pass keys:
//   vertex=<shader>    omitted: the vertices are pre-transformed screen positions (x, y in
//                      pixels, z, rhw) and the stage passes on vColor and vTexCoord
//   fragment=<shader>  required
//   cull=none|cw|ccw  zenable= zwrite= blend= (true|false)  zfunc=<func>
//   srcblend= destblend= zero|one|srccolor|invsrccolor|srcalpha|invsrcalpha|destalpha|
//                        invdestalpha|destcolor|invdestcolor
//   alphatest=off|<func>:<ref 0-255>   (a fragment failing it is discarded)
//   fill=solid|wireframe
//   <func>: never less equal lessequal greater notequal greaterequal always
// States a pass does not name keep the device's values.
//
// @shader <name> starts a block of GLSL that runs to the next directive. The block "common"
// goes in front of every stage. Vertex stages read inPosition (vec4), inNormal, inColor,
// inTexCoord0, inTexCoord1, inBlendWeights, inBlendIndices, inPointSize; fragment stages write
// fragColor. Compiler messages name the effect file and its line numbers.
#include "platform/render/EffectFile.h"

#include <cstdlib>
#include <sstream>

namespace platform {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

template <class T>
bool Lookup(const std::string& word, const std::map<std::string, T>& table, T* out) {
  auto it = table.find(word);
  if (it == table.end()) return false;
  *out = it->second;
  return true;
}

const std::map<std::string, ParamType> kTypes = {
    {"float", ParamType::Float},   {"float2", ParamType::Float2},     {"float3", ParamType::Float3},
    {"float4", ParamType::Float4}, {"float4x4", ParamType::Float4x4}, {"int", ParamType::Int},
    {"bool", ParamType::Bool},     {"texture", ParamType::Texture}};

const std::map<std::string, CompareFunc> kFuncs = {
    {"never", CompareFunc::Never},     {"less", CompareFunc::Less},
    {"equal", CompareFunc::Equal},     {"lessequal", CompareFunc::LessEqual},
    {"greater", CompareFunc::Greater}, {"notequal", CompareFunc::NotEqual},
    {"greaterequal", CompareFunc::GreaterEqual}, {"always", CompareFunc::Always}};

const std::map<std::string, BlendFactor> kBlends = {
    {"zero", BlendFactor::Zero},           {"one", BlendFactor::One},
    {"srccolor", BlendFactor::SrcColor},   {"invsrccolor", BlendFactor::InvSrcColor},
    {"srcalpha", BlendFactor::SrcAlpha},   {"invsrcalpha", BlendFactor::InvSrcAlpha},
    {"destalpha", BlendFactor::DestAlpha}, {"invdestalpha", BlendFactor::InvDestAlpha},
    {"destcolor", BlendFactor::DestColor}, {"invdestcolor", BlendFactor::InvDestColor}};

const std::map<std::string, CullMode> kCulls = {
    {"none", CullMode::None}, {"cw", CullMode::Clockwise}, {"ccw", CullMode::CounterClockwise}};
const std::map<std::string, FillMode> kFills = {{"solid", FillMode::Solid},
                                                {"wireframe", FillMode::Wireframe}};
const std::map<std::string, TextureFilter> kFilters = {{"point", TextureFilter::Point},
                                                       {"linear", TextureFilter::Linear}};
const std::map<std::string, TextureAddress> kAddresses = {{"wrap", TextureAddress::Wrap},
                                                          {"clamp", TextureAddress::Clamp},
                                                          {"mirror", TextureAddress::Mirror}};
const std::map<std::string, bool> kBools = {{"true", true}, {"false", false}};

bool ParseNumber(const std::string& word, float* out) {
  if (word == "true" || word == "false") {
    *out = word == "true" ? 1.0f : 0.0f;
    return true;
  }
  char* end = nullptr;
  *out = std::strtof(word.c_str(), &end);
  return end && *end == '\0' && end != word.c_str();
}

class Parser {
 public:
  Parser(const std::string& fileName, EffectDesc* out) : file_(fileName), out_(out) {}

  bool Run(const std::string& text, std::string* error) {
    std::istringstream in(text);
    std::string line;
    ShaderBlock* block = nullptr;
    for (line_ = 1; std::getline(in, line); ++line_) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && line[0] == '@') {
        block = nullptr;
        if (!Directive(Words(line.substr(1)), &block)) break;
      } else if (block) {
        block->text += line + "\n";
      } else if (line.find_first_not_of(" \t") != std::string::npos &&
                 line.compare(line.find_first_not_of(" \t"), 2, "//") != 0) {
        Fail("text outside a shader block");
        break;
      }
    }
    if (error_.empty()) CheckPasses();
    if (error) *error = error_;
    return error_.empty();
  }

 private:
  bool Fail(const std::string& why) {
    if (error_.empty()) error_ = file_ + "(" + std::to_string(line_) + "): " + why;
    return false;
  }

  bool Directive(const std::vector<std::string>& w, ShaderBlock** block) {
    if (w.empty()) return Fail("empty directive");
    if (w[0] == "param") return Param(w);
    if (w[0] == "technique") {
      if (w.size() != 2) return Fail("@technique takes one name");
      out_->techniques.push_back(TechniqueDesc{w[1], {}});
      return true;
    }
    if (w[0] == "pass") return Pass(w);
    if (w[0] == "shader") {
      if (w.size() != 2) return Fail("@shader takes one name");
      if (out_->shaders.count(w[1])) return Fail("shader " + w[1] + " defined twice");
      *block = &out_->shaders[w[1]];
      (*block)->firstLine = line_ + 1;
      return true;
    }
    return Fail("unknown directive @" + w[0]);
  }

  bool Param(const std::vector<std::string>& w) {
    if (w.size() < 3) return Fail("@param needs a type and a name");
    ParamDesc p;
    if (!Lookup(w[1], kTypes, &p.type)) return Fail("unknown parameter type " + w[1]);
    p.name = w[2];
    const size_t bracket = p.name.find('[');
    if (bracket != std::string::npos) {
      p.count = std::atoi(p.name.c_str() + bracket + 1);
      p.name.resize(bracket);
      if (p.count < 1 || p.count > 256 || p.type == ParamType::Texture)
        return Fail("bad array size for " + p.name);
    }
    for (const ParamDesc& other : out_->params)
      if (other.name == p.name) return Fail("parameter " + p.name + " declared twice");
    for (size_t i = 3; i < w.size(); ++i) {
      const size_t eq = w[i].find('=');
      if (w[i] == "=") {
        for (++i; i < w.size(); ++i) {
          float v = 0;
          if (!ParseNumber(w[i], &v)) return Fail("bad default value " + w[i]);
          p.defaults.push_back(v);
        }
      } else if (eq != std::string::npos && p.type == ParamType::Texture) {
        const std::string key = w[i].substr(0, eq), value = w[i].substr(eq + 1);
        const bool ok = key == "filter"    ? Lookup(value, kFilters, &p.filter)
                        : key == "address" ? Lookup(value, kAddresses, &p.address)
                                           : false;
        if (!ok) return Fail("bad sampler setting " + w[i]);
      } else {
        return Fail("unexpected " + w[i]);
      }
    }
    if (p.defaults.size() > size_t(ComponentCount(p.type) * p.count))
      return Fail("too many default values for " + p.name);
    out_->params.push_back(std::move(p));
    return true;
  }

  bool Pass(const std::vector<std::string>& w) {
    if (out_->techniques.empty()) return Fail("@pass before any @technique");
    PassDesc pass;
    pass.line = line_;
    PassState& s = pass.state;
    for (size_t i = 1; i < w.size(); ++i) {
      const size_t eq = w[i].find('=');
      if (eq == std::string::npos) return Fail("pass setting without a value: " + w[i]);
      const std::string key = w[i].substr(0, eq), value = w[i].substr(eq + 1);
      if (key == "vertex") pass.vertex = value;
      else if (key == "fragment") pass.fragment = value;
      else if (!State(key, value, s)) return Fail("bad pass setting " + w[i]);
    }
    out_->techniques.back().passes.push_back(std::move(pass));
    return true;
  }

  template <class T>
  static bool Set(const std::string& value, const std::map<std::string, T>& table,
                  std::optional<T>& field) {
    T v{};
    if (!Lookup(value, table, &v)) return false;
    field = v;
    return true;
  }

  static bool State(const std::string& key, const std::string& value, PassState& s) {
    if (key == "cull") return Set(value, kCulls, s.cull);
    if (key == "zenable") return Set(value, kBools, s.zEnable);
    if (key == "zwrite") return Set(value, kBools, s.zWrite);
    if (key == "zfunc") return Set(value, kFuncs, s.zFunc);
    if (key == "blend") return Set(value, kBools, s.alphaBlend);
    if (key == "srcblend") return Set(value, kBlends, s.srcBlend);
    if (key == "destblend") return Set(value, kBlends, s.destBlend);
    if (key == "fill") return Set(value, kFills, s.fill);
    if (key != "alphatest") return false;
    if (value == "off") {
      s.alphaTest = false;
      return true;
    }
    const size_t colon = value.find(':');
    if (colon == std::string::npos || !Set(value.substr(0, colon), kFuncs, s.alphaFunc))
      return false;
    float ref = 0;
    if (!ParseNumber(value.substr(colon + 1), &ref) || ref < 0 || ref > 255) return false;
    s.alphaRef = static_cast<uint8_t>(ref);
    s.alphaTest = true;
    return true;
  }

  void CheckPasses() {
    for (const TechniqueDesc& t : out_->techniques)
      for (const PassDesc& p : t.passes) {
        line_ = p.line;
        if (p.fragment.empty()) Fail("pass without fragment=");
        else if (!out_->shaders.count(p.fragment)) Fail("no shader named " + p.fragment);
        else if (!p.vertex.empty() && !out_->shaders.count(p.vertex))
          Fail("no shader named " + p.vertex);
      }
    if (out_->techniques.empty()) {
      line_ = 1;
      Fail("no @technique");
    }
  }

  std::string file_;
  EffectDesc* out_;
  int line_ = 0;
  std::string error_;
};

}  // namespace

int ComponentCount(ParamType type) {
  switch (type) {
    case ParamType::Float2: return 2;
    case ParamType::Float3: return 3;
    case ParamType::Float4: return 4;
    case ParamType::Float4x4: return 16;
    default: return 1;
  }
}

void PassState::ApplyTo(RenderState& s) const {
  if (zEnable) s.zEnable = *zEnable;
  if (zWrite) s.zWrite = *zWrite;
  if (zFunc) s.zFunc = *zFunc;
  if (cull) s.cull = *cull;
  if (alphaBlend) s.alphaBlend = *alphaBlend;
  if (srcBlend) s.srcBlend = *srcBlend;
  if (destBlend) s.destBlend = *destBlend;
  if (alphaTest) s.alphaTest = *alphaTest;
  if (alphaFunc) s.alphaFunc = *alphaFunc;
  if (alphaRef) s.alphaRef = *alphaRef;
  if (fill) s.fill = *fill;
}

bool ParseEffect(const std::string& text, const std::string& fileName, EffectDesc* out,
                 std::string* error) {
  EffectDesc desc;
  if (!Parser(fileName, &desc).Run(text, error)) return false;
  *out = std::move(desc);
  return true;
}

}  // namespace platform
