#pragma once
#include <memory>
#include <string>

#include "platform/math/Color.h"
#include "platform/math/Matrix.h"
#include "platform/render/EffectProgram.h"

namespace platform {
class RenderDevice;
}

// One effect file under the name the shader list gives it, with the common parameters
// "matWorld", "matViewProjection", "matInverseWorld" and "diffuseMaterial". A reload loads
// the file again into the same object, so every holder sees the new effect; a reload that
// fails keeps the programs it had.
class Effect {
 public:
  explicit Effect(platform::RenderDevice& device) : program_(device) {}
  virtual ~Effect() = default;
  Effect(const Effect&) = delete;
  Effect& operator=(const Effect&) = delete;

  // Run after each successful load.
  virtual void OnLoaded() {}

  // The compiled effect, or null while no load has succeeded.
  platform::EffectProgram* GetEffect() { return program_.IsLoaded() ? &program_ : nullptr; }
  platform::EffectProgram& Program() { return program_; }

  // Stores both and sets "matViewProjection" := transpose(view x projection).
  void SetViewProjection(const platform::Matrix& view, const platform::Matrix& projection);
  // "matWorld" := transpose(world), "matViewProjection" := transpose(world x view x projection),
  // "matInverseWorld" := inverseWorld as it is. False when the last parameter is absent.
  bool SetTransforms(platform::Matrix world, platform::Matrix inverseWorld);
  void SetDiffuse(const platform::Color& colour);

 private:
  platform::EffectProgram program_;
  platform::Matrix view_ = platform::MatrixIdentity();
  platform::Matrix projection_ = platform::MatrixIdentity();
};
