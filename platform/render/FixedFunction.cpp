#include "platform/render/gl/FixedFunction.h"

#include <string>

#include "platform/render/MatrixOps.h"
#include "platform/render/VertexLayout.h"
#include "platform/render/gl/TextureObject.h"

namespace platform {
namespace {

const char* const kVertexMain = R"(
uniform mat4 uWorldViewProj;
uniform mat4 uWorldView;
uniform bool uScreenSpace;
uniform bool uPointScale;
uniform vec4 uPointParams;  // A, B, C, minimum size
out vec4 vColor;
out vec2 vTexCoord;
void main() {
  vec4 p = vec4(inPosition.xyz, 1.0);
  gl_Position = uScreenSpace ? vr_ScreenToClip(inPosition) : uWorldViewProj * p;
  vColor = inColor;
  vTexCoord = inTexCoord0;
  float size = inPointSize;
  if (uPointScale) {
    float d = length((uWorldView * p).xyz);
    float k = uPointParams.x + uPointParams.y * d + uPointParams.z * d * d;
    size = vr_Viewport.w * size * inversesqrt(max(k, 1e-12));
  }
  gl_PointSize = max(size, uPointParams.w);
}
)";

const char* const kFragmentMain = R"(
uniform sampler2D uTexture;
uniform sampler2D uSceneDepth;
uniform int uDepthFunc;
uniform int uDepthRows;
uniform bool uHasTexture;
uniform bool uPointSprite;
in vec4 vColor;
in vec2 vTexCoord;
out vec4 fragColor;
void main() {
  vec4 c = vColor;
  if (uHasTexture) c *= texture(uTexture, uPointSprite ? gl_PointCoord : vTexCoord);
  fragColor = c;
)";

}  // namespace

bool FixedFunction::Variant::Build(const std::string& vertex, const std::string& fragment, std::string* error) {
  if (!BuildProgram(program, vertex, fragment, "<fixed function>", error)) return false;
  const GLuint id = program.id;
  worldViewProj = glGetUniformLocation(id, "uWorldViewProj");
  worldView = glGetUniformLocation(id, "uWorldView");
  screenSpace = glGetUniformLocation(id, "uScreenSpace");
  hasTexture = glGetUniformLocation(id, "uHasTexture");
  pointSprite = glGetUniformLocation(id, "uPointSprite");
  pointScale = glGetUniformLocation(id, "uPointScale");
  pointParams = glGetUniformLocation(id, "uPointParams");
  texture = glGetUniformLocation(id, "uTexture");
  sceneDepth = glGetUniformLocation(id, "uSceneDepth");
  depthFunc = glGetUniformLocation(id, "uDepthFunc");
  depthRows = glGetUniformLocation(id, "uDepthRows");
  return true;
}

bool FixedFunction::Build(std::string* error) {
  const std::string head = std::string("#version 330 core\n") + kShaderCommon;
  const std::string vertex = head + kVertexInputs + kVertexMain;
  const std::string fragment = head + kFragmentMain;
  const std::string alphaTest = "  if (!vr_AlphaPasses(c.a)) discard;\n";
  // The window's rows run bottom-up, the shared buffer's top-down.
  const std::string depthTest =
      "  float scene = texelFetch(uSceneDepth, ivec2(gl_FragCoord.x, uDepthRows - 1 - int(gl_FragCoord.y)), 0).r;\n"
      "  if (!vr_Compare(uDepthFunc, gl_FragCoord.z, scene)) discard;\n";
  return variants_[0][0].Build(vertex, fragment + "}\n", error) &&
         variants_[1][0].Build(vertex, fragment + alphaTest + "}\n", error) &&
         variants_[0][1].Build(vertex, fragment + depthTest + "}\n", error) &&
         variants_[1][1].Build(vertex, fragment + alphaTest + depthTest + "}\n", error);
}

const GpuProgram& FixedFunction::Prepare(const VertexLayout& layout, const RenderState& state,
                                         const float (*transforms)[16], const TextureObject* texture, GLuint sampler,
                                         const SceneDepth* sceneDepth) {
  const Variant& v = variants_[state.alphaTest][sceneDepth != nullptr];
  glUseProgram(v.program.id);
  float worldView[16], worldViewProj[16];
  MultiplyMatrices(transforms[0], transforms[1], worldView);
  MultiplyMatrices(worldView, transforms[2], worldViewProj);
  // Row-major data read as column-major is the transpose, so `M * v` in GLSL is v * M.
  glUniformMatrix4fv(v.worldViewProj, 1, GL_FALSE, worldViewProj);
  glUniformMatrix4fv(v.worldView, 1, GL_FALSE, worldView);
  glUniform1i(v.screenSpace, layout.Has(VertexSemantic::ScreenPosition));
  glUniform1i(v.hasTexture, texture != nullptr);
  glUniform1i(v.pointSprite, state.pointSprite);
  glUniform1i(v.pointScale, state.pointScale);
  glUniform4f(v.pointParams, state.pointScaleA, state.pointScaleB, state.pointScaleC, state.pointSizeMin);
  glUniform1i(v.texture, 0);
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, sampler);
  glBindTexture(GL_TEXTURE_2D, texture ? texture->id : 0);
  if (sceneDepth) {
    glUniform1i(v.sceneDepth, kSceneDepthUnit);
    glUniform1i(v.depthFunc, static_cast<int>(state.zFunc));
    glUniform1i(v.depthRows, sceneDepth->rows);
    glActiveTexture(GL_TEXTURE0 + kSceneDepthUnit);
    glBindSampler(kSceneDepthUnit, 0);
    glBindTexture(GL_TEXTURE_2D, sceneDepth->texture);
    glActiveTexture(GL_TEXTURE0);
  }
  return v.program;
}

}  // namespace platform
