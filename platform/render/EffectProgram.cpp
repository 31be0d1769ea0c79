#include "platform/render/EffectProgram.h"

#include <algorithm>
#include <map>
#include <utility>

#include "platform/core/Files.h"
#include "platform/render/EffectFile.h"
#include "platform/render/Texture.h"
#include "platform/render/gl/DeviceImpl.h"

namespace platform {
namespace {

struct SamplerObject {
  GLuint id = 0;
  explicit SamplerObject(const ParamDesc& p) {
    glGenSamplers(1, &id);
    const bool linear = p.filter == TextureFilter::Linear;
    glSamplerParameteri(id, GL_TEXTURE_MIN_FILTER, linear ? GL_LINEAR_MIPMAP_LINEAR : GL_NEAREST_MIPMAP_NEAREST);
    glSamplerParameteri(id, GL_TEXTURE_MAG_FILTER, linear ? GL_LINEAR : GL_NEAREST);
    const GLint wrap = p.address == TextureAddress::Clamp    ? GL_CLAMP_TO_EDGE
                       : p.address == TextureAddress::Mirror ? GL_MIRRORED_REPEAT
                                                             : GL_REPEAT;
    glSamplerParameteri(id, GL_TEXTURE_WRAP_S, wrap);
    glSamplerParameteri(id, GL_TEXTURE_WRAP_T, wrap);
  }
  ~SamplerObject() { glDeleteSamplers(1, &id); }
};

struct Parameter {
  ParamDesc desc;
  std::vector<float> values;  // ints and bools too, converted when sent
  std::shared_ptr<TextureObject> texture;
  std::shared_ptr<SamplerObject> sampler;
  int unit = -1;
};

// One vertex and fragment pair of an effect. It is built without the alpha test, and with it
// the first time a draw asks for it: a fragment program that may discard costs the software
// rasteriser more on every pixel, tested or not, and most draws test nothing.
struct PassProgram {
  struct Variant {
    GpuProgram program;
    std::vector<GLint> locations;  // per parameter
  };
  Variant plain;
  std::unique_ptr<Variant> tested;
  bool testedFailed = false;
  std::string vertexSource, testedFragmentSource, fileName;
};

struct Pass {
  PassState state;
  std::shared_ptr<PassProgram> program;
};

struct Technique {
  std::string name;
  std::vector<Pass> passes;
};

const char* GlslType(ParamType type) {
  static const char* const names[] = {"float", "vec2", "vec3", "vec4",
                                      "mat4",  "int",  "bool", "sampler2D"};
  return names[static_cast<int>(type)];
}

const char* const kScreenVertexMain = R"(
out vec4 vColor;
out vec2 vTexCoord;
void main() {
  gl_Position = vr_ScreenToClip(inPosition);
  vColor = inColor;
  vTexCoord = inTexCoord0;
}
)";

std::string Block(const ShaderBlock& b) {
  return "#line " + std::to_string(b.firstLine) + " 1\n" + b.text;
}

class SourceBuilder {
 public:
  explicit SourceBuilder(const EffectDesc& desc) : desc_(desc) {
    for (const ParamDesc& p : desc.params) {
      declarations_ += std::string("uniform ") + GlslType(p.type) + " " + p.name;
      if (p.count > 1) declarations_.append("[").append(std::to_string(p.count)).append("]");
      declarations_ += ";\n";
    }
    auto common = desc.shaders.find("common");
    if (common != desc.shaders.end()) common_ = Block(common->second);
  }

  std::string Vertex(const std::string& name) const {
    std::string head = std::string("#version 330 core\n") + kShaderCommon + kVertexInputs + declarations_;
    if (name.empty()) return head + kScreenVertexMain;
    return head + common_ + Block(desc_.shaders.at(name));
  }

  // The file's main runs first; with `alphaTest` the pass's alpha test then discards what
  // fails it.
  std::string Fragment(const std::string& name, bool alphaTest) const {
    return std::string("#version 330 core\n") + kShaderCommon + "out vec4 fragColor;\n" +
           declarations_ + common_ + "#define main vr_UserMain\n" + Block(desc_.shaders.at(name)) +
           "\n#undef main\nvoid main() {\n  vr_UserMain();\n" +
           (alphaTest ? "  if (!vr_AlphaPasses(fragColor.a)) discard;\n" : "") + "}\n";
  }

 private:
  const EffectDesc& desc_;
  std::string declarations_;
  std::string common_;
};

}  // namespace

struct EffectProgram::Impl : RenderDevice::Impl::EffectPass {
  RenderDevice& device;
  bool loaded = false;
  std::vector<Parameter> params;
  std::vector<Technique> techniques;
  size_t technique = 0;
  int pass = -1;
  // The program of the open pass; its parameters go to the variant a draw uses, when they
  // changed or the draw uses the other variant.
  std::shared_ptr<PassProgram> open;
  const GpuProgram* fed = nullptr;
  bool begun = false;
  RenderState saved;
  std::string noName;
  // Integer parameters on their way to GL; kept so that a pass asks nothing of the heap.
  mutable std::vector<GLint> ints;

  explicit Impl(RenderDevice& d) : device(d) {}
  virtual ~Impl() = default;

  const GpuProgram& Bind(bool alphaTest) override;
  std::vector<GLint> Locations(const GpuProgram& program, const std::vector<ParamDesc>& descs) const;
  bool BuildTested(PassProgram& program) const;

  Parameter* Find(const std::string& name, std::initializer_list<ParamType> types) {
    return const_cast<Parameter*>(std::as_const(*this).Find(name, types));
  }
  const Parameter* Find(const std::string& name, std::initializer_list<ParamType> types) const {
    if (!loaded) return nullptr;
    for (const Parameter& p : params)
      if (p.desc.name == name)
        return std::find(types.begin(), types.end(), p.desc.type) != types.end() ? &p : nullptr;
    return nullptr;
  }

  bool Build(const EffectDesc& desc, const std::string& fileName, std::string* error);
  void Upload(const PassProgram::Variant& variant) const;
};

std::vector<GLint> EffectProgram::Impl::Locations(const GpuProgram& program, const std::vector<ParamDesc>& descs) const {
  std::vector<GLint> locations;
  for (const ParamDesc& param : descs) locations.push_back(glGetUniformLocation(program.id, param.name.c_str()));
  return locations;
}

// A program that compiled without the test compiles with it; should it fail all the same, the
// pass draws untested rather than not at all.
bool EffectProgram::Impl::BuildTested(PassProgram& program) const {
  if (program.tested || program.testedFailed) return program.tested != nullptr;
  auto tested = std::make_unique<PassProgram::Variant>();
  std::string error;
  program.testedFailed =
      !BuildProgram(tested->program, program.vertexSource, program.testedFragmentSource, program.fileName, &error);
  if (program.testedFailed) return false;
  std::vector<ParamDesc> descs;
  for (const Parameter& p : params) descs.push_back(p.desc);
  tested->locations = Locations(tested->program, descs);
  program.tested = std::move(tested);
  return true;
}

const GpuProgram& EffectProgram::Impl::Bind(bool alphaTest) {
  PassProgram& program = *open;
  const PassProgram::Variant& variant = alphaTest && BuildTested(program) ? *program.tested : program.plain;
  if (fed == &variant.program) {
    glUseProgram(variant.program.id);
  } else {
    Upload(variant);
    fed = &variant.program;
  }
  return variant.program;
}

bool EffectProgram::Impl::Build(const EffectDesc& desc, const std::string& fileName,
                                std::string* error) {
  SourceBuilder source(desc);
  std::map<std::string, std::shared_ptr<PassProgram>> programs;
  std::vector<Technique> built;
  for (const TechniqueDesc& t : desc.techniques) {
    Technique technique{t.name, {}};
    for (const PassDesc& p : t.passes) {
      std::shared_ptr<PassProgram>& program = programs[p.vertex + "|" + p.fragment];
      if (!program) {
        program = std::make_shared<PassProgram>();
        program->vertexSource = source.Vertex(p.vertex);
        program->testedFragmentSource = source.Fragment(p.fragment, true);
        program->fileName = fileName;
        if (!BuildProgram(program->plain.program, program->vertexSource, source.Fragment(p.fragment, false),
                          fileName, error))
          return false;
        program->plain.locations = Locations(program->plain.program, desc.params);
      }
      technique.passes.push_back(Pass{p.state, program});
    }
    built.push_back(std::move(technique));
  }

  // Values set before a reload carry over to parameters of the same name and shape.
  std::vector<Parameter> next;
  int unit = 0;
  for (const ParamDesc& d : desc.params) {
    Parameter p;
    p.desc = d;
    p.values.assign(size_t(ComponentCount(d.type)) * d.count, 0.0f);
    std::copy(d.defaults.begin(), d.defaults.end(), p.values.begin());
    if (d.type == ParamType::Texture) {
      p.sampler = std::make_shared<SamplerObject>(d);
      p.unit = unit++;
    }
    for (const Parameter& old : params)
      if (old.desc.name == d.name && old.desc.type == d.type && old.desc.count == d.count) {
        p.values = old.values;
        p.texture = old.texture;
      }
    next.push_back(std::move(p));
  }
  const std::string current = loaded ? techniques[technique].name : std::string();
  params = std::move(next);
  techniques = std::move(built);
  technique = 0;
  for (size_t i = 0; i < techniques.size(); ++i)
    if (techniques[i].name == current) technique = i;
  loaded = true;
  return true;
}

void EffectProgram::Impl::Upload(const PassProgram::Variant& variant) const {
  glUseProgram(variant.program.id);
  for (size_t i = 0; i < params.size(); ++i) {
    const GLint at = variant.locations[i];
    if (at < 0) continue;
    const Parameter& p = params[i];
    const GLsizei n = p.desc.count;
    const float* v = p.values.data();
    switch (p.desc.type) {
      case ParamType::Float: glUniform1fv(at, n, v); break;
      case ParamType::Float2: glUniform2fv(at, n, v); break;
      case ParamType::Float3: glUniform3fv(at, n, v); break;
      case ParamType::Float4: glUniform4fv(at, n, v); break;
      case ParamType::Float4x4: glUniformMatrix4fv(at, n, GL_FALSE, v); break;
      case ParamType::Int:
      case ParamType::Bool: {
        ints.assign(p.values.begin(), p.values.end());
        glUniform1iv(at, n, ints.data());
        break;
      }
      case ParamType::Texture:
        glActiveTexture(GL_TEXTURE0 + GLenum(p.unit));
        glBindTexture(GL_TEXTURE_2D, p.texture ? p.texture->id : 0);
        glBindSampler(GLuint(p.unit), p.sampler->id);
        glUniform1i(at, p.unit);
        break;
    }
  }
  glActiveTexture(GL_TEXTURE0);
}

EffectProgram::EffectProgram(RenderDevice& device) : impl_(std::make_unique<Impl>(device)) {}
EffectProgram::~EffectProgram() {
  if (impl_->begun) End();
}

EffectLoad EffectProgram::LoadFromFile(const std::string& path, std::string* error) {
  auto bytes = ReadFileBytes(ResolvePath(path));
  if (!bytes) {
    if (error) *error = path + ": cannot be read";
    return EffectLoad::Unreadable;
  }
  return LoadFromText(std::string(bytes->begin(), bytes->end()), path, error) ? EffectLoad::Loaded
                                                                              : EffectLoad::Invalid;
}

bool EffectProgram::LoadFromText(const std::string& text, const std::string& fileName,
                                 std::string* error) {
  EffectDesc desc;
  return ParseEffect(text, fileName, &desc, error) && impl_->Build(desc, fileName, error);
}

bool EffectProgram::IsLoaded() const { return impl_->loaded; }

bool EffectProgram::SetTechnique(const std::string& name) {
  for (size_t i = 0; i < impl_->techniques.size(); ++i)
    if (impl_->techniques[i].name == name) {
      impl_->technique = i;
      return true;
    }
  return false;
}

const std::string& EffectProgram::TechniqueName() const {
  return impl_->loaded ? impl_->techniques[impl_->technique].name : impl_->noName;
}

bool EffectProgram::SetFloat(const std::string& name, float value) {
  return SetFloatArray(name, &value, 1);
}

bool EffectProgram::GetFloat(const std::string& name, float* value) const {
  const Parameter* p = impl_->Find(name, {ParamType::Float});
  if (!p || !value) return false;
  *value = p->values[0];
  return true;
}

bool EffectProgram::SetFloatArray(const std::string& name, const float* values, size_t count) {
  Parameter* p = impl_->Find(name, {ParamType::Float, ParamType::Float2, ParamType::Float3,
                                    ParamType::Float4, ParamType::Float4x4});
  if (!p || !values) return false;
  std::copy(values, values + std::min(count, p->values.size()), p->values.begin());
  return true;
}

bool EffectProgram::SetVector(const std::string& name, const float* xyzw) {
  return SetFloatArray(name, xyzw, 4);
}

bool EffectProgram::SetMatrix(const std::string& name, const float* matrix) {
  return SetMatrixArray(name, matrix, 1);
}

bool EffectProgram::SetMatrixArray(const std::string& name, const float* matrices, size_t count) {
  if (!impl_->Find(name, {ParamType::Float4x4})) return false;
  return SetFloatArray(name, matrices, count * 16);
}

bool EffectProgram::SetInt(const std::string& name, int value) {
  Parameter* p = impl_->Find(name, {ParamType::Int, ParamType::Bool});
  if (!p) return false;
  p->values[0] = static_cast<float>(value);
  return true;
}

bool EffectProgram::SetBool(const std::string& name, bool value) {
  return SetInt(name, value ? 1 : 0);
}

bool EffectProgram::SetTexture(const std::string& name, const Texture* texture) {
  Parameter* p = impl_->Find(name, {ParamType::Texture});
  if (!p) return false;
  p->texture = texture ? texture->Object() : nullptr;
  return true;
}

bool EffectProgram::Begin(unsigned* passes) {
  if (passes) *passes = 0;
  if (!impl_->loaded) return false;
  impl_->saved = impl_->device.GetState();
  impl_->begun = true;
  if (passes) *passes = static_cast<unsigned>(impl_->techniques[impl_->technique].passes.size());
  return true;
}

bool EffectProgram::BeginPass(unsigned index) {
  if (!impl_->loaded) return false;
  const auto& passes = impl_->techniques[impl_->technique].passes;
  if (index >= passes.size()) return false;
  const Pass& pass = passes[index];
  RenderState state = impl_->device.GetState();
  pass.state.ApplyTo(state);
  impl_->device.SetState(state);
  impl_->device.Internals()->effectPass = impl_.get();
  impl_->pass = static_cast<int>(index);
  impl_->open = pass.program;
  impl_->fed = nullptr;
  return true;
}

void EffectProgram::CommitChanges() {
  if (impl_->pass >= 0) impl_->fed = nullptr;
}

void EffectProgram::EndPass() {
  RenderDevice::Impl& device = *impl_->device.Internals();
  if (device.effectPass == impl_.get()) device.effectPass = nullptr;
  impl_->pass = -1;
  impl_->open.reset();
  impl_->fed = nullptr;
}

void EffectProgram::End() {
  EndPass();
  if (impl_->begun) impl_->device.SetState(impl_->saved);
  impl_->begun = false;
}

}  // namespace platform
