#pragma once
#include <memory>

#include "platform/render/RenderTypes.h"
#include "platform/render/gl/GLApi.h"
#include "platform/render/gl/ShaderProgram.h"

namespace platform {

class VertexLayout;
struct TextureObject;

// The built-in program standing in for fixed-function drawing: transformed or screen-space
// positions, vertex colour times the stage-0 texture, point sprites with distance scaling.
class FixedFunction {
 public:
  bool Build(std::string* error);
  // Binds the program and feeds it for a draw with this layout.
  void Prepare(const VertexLayout& layout, const RenderState& state, const float (*transforms)[16],
               const TextureObject* texture, GLuint sampler);
  const GpuProgram& Program() const { return program_; }

 private:
  GpuProgram program_;
  GLint worldViewProj_ = -1, worldView_ = -1, screenSpace_ = -1;
  GLint hasTexture_ = -1, pointSprite_ = -1, pointScale_ = -1, pointParams_ = -1, texture_ = -1;
};

}  // namespace platform
