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
uniform bool uHasTexture;
uniform bool uPointSprite;
in vec4 vColor;
in vec2 vTexCoord;
out vec4 fragColor;
void main() {
  vec4 c = vColor;
  if (uHasTexture) c *= texture(uTexture, uPointSprite ? gl_PointCoord : vTexCoord);
  if (!vr_AlphaPasses(c.a)) discard;
  fragColor = c;
}
)";

}  // namespace

bool FixedFunction::Build(std::string* error) {
  std::string head = std::string("#version 330 core\n") + kShaderCommon;
  if (!BuildProgram(program_, head + kVertexInputs + kVertexMain, head + kFragmentMain,
                    "<fixed function>", error))
    return false;
  GLuint id = program_.id;
  worldViewProj_ = glGetUniformLocation(id, "uWorldViewProj");
  worldView_ = glGetUniformLocation(id, "uWorldView");
  screenSpace_ = glGetUniformLocation(id, "uScreenSpace");
  hasTexture_ = glGetUniformLocation(id, "uHasTexture");
  pointSprite_ = glGetUniformLocation(id, "uPointSprite");
  pointScale_ = glGetUniformLocation(id, "uPointScale");
  pointParams_ = glGetUniformLocation(id, "uPointParams");
  texture_ = glGetUniformLocation(id, "uTexture");
  return true;
}

void FixedFunction::Prepare(const VertexLayout& layout, const RenderState& state,
                            const float (*transforms)[16], const TextureObject* texture, GLuint sampler) {
  glUseProgram(program_.id);
  float worldView[16], worldViewProj[16];
  MultiplyMatrices(transforms[0], transforms[1], worldView);
  MultiplyMatrices(worldView, transforms[2], worldViewProj);
  // Row-major data read as column-major is the transpose, so `M * v` in GLSL is v * M.
  glUniformMatrix4fv(worldViewProj_, 1, GL_FALSE, worldViewProj);
  glUniformMatrix4fv(worldView_, 1, GL_FALSE, worldView);
  glUniform1i(screenSpace_, layout.Has(VertexSemantic::ScreenPosition));
  glUniform1i(hasTexture_, texture != nullptr);
  glUniform1i(pointSprite_, state.pointSprite);
  glUniform1i(pointScale_, state.pointScale);
  glUniform4f(pointParams_, state.pointScaleA, state.pointScaleB, state.pointScaleC,
              state.pointSizeMin);
  glUniform1i(texture_, 0);
  glActiveTexture(GL_TEXTURE0);
  glBindSampler(0, sampler);
  glBindTexture(GL_TEXTURE_2D, texture ? texture->id : 0);
}

}  // namespace platform
