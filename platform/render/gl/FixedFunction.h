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
// comes twice, with and without the alpha test: a fragment program that may discard costs the
// software rasteriser more on every pixel, tested or not.
class FixedFunction {
 public:
  bool Build(std::string* error);
  // Binds the program for the state's alpha test, feeds it for a draw with this layout and
  // returns it.
  const GpuProgram& Prepare(const VertexLayout& layout, const RenderState& state, const float (*transforms)[16],
                            const TextureObject* texture, GLuint sampler);

 private:
  struct Variant {
    GpuProgram program;
    GLint worldViewProj = -1, worldView = -1, screenSpace = -1;
    GLint hasTexture = -1, pointSprite = -1, pointScale = -1, pointParams = -1, texture = -1;
    bool Build(const std::string& vertex, const std::string& fragment, std::string* error);
  };
  Variant plain_;
  Variant tested_;
};

}  // namespace platform
