#pragma once
#include <memory>

#include "platform/render/RenderTypes.h"
#include "platform/render/gl/GLApi.h"
#include "platform/render/gl/ShaderProgram.h"

namespace platform {

class VertexLayout;
struct TextureObject;

// The built-in program standing in for fixed-function drawing: transformed or screen-space
// positions, vertex colour times the stage-0 texture, point sprites with distance scaling. It
// comes with and without the alpha test (a fragment program that may discard costs the
// software rasteriser more on every pixel, tested or not), and each of those with and without
// a depth test of its own against a depth texture, for a framebuffer that cannot hold that
// depth buffer.
class FixedFunction {
 public:
  // The depth texture a draw is tested against (with the state's depth function), `rows` high
  // and top row first, where the framebuffer drawn into counts its rows bottom-up.
  struct SceneDepth {
    GLuint texture = 0;
    int rows = 0;
  };
  static constexpr int kSceneDepthUnit = 14;

  bool Build(std::string* error);
  // Binds the program for the state's alpha test and the depth test asked for, feeds it for a
  // draw with this layout and returns it.
  const GpuProgram& Prepare(const VertexLayout& layout, const RenderState& state, const float (*transforms)[16],
                            const TextureObject* texture, GLuint sampler, const SceneDepth* sceneDepth);

 private:
  struct Variant {
    GpuProgram program;
    GLint worldViewProj = -1, worldView = -1, screenSpace = -1;
    GLint hasTexture = -1, pointSprite = -1, pointScale = -1, pointParams = -1, texture = -1;
    GLint sceneDepth = -1, depthFunc = -1, depthRows = -1;
    bool Build(const std::string& vertex, const std::string& fragment, std::string* error);
  };
  // [alpha test][depth test against a texture]
  Variant variants_[2][2];
};

}  // namespace platform
