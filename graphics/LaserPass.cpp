#include "graphics/LaserPass.h"

#include <algorithm>

#include "graphics/Camera.h"
#include "graphics/Graphics.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/VertexLayout.h"

namespace {

const platform::VertexLayout& BeamLayout() {
  static const platform::VertexLayout layout({{platform::VertexSemantic::Position, platform::VertexFormat::Float3, 0},
                                              {platform::VertexSemantic::TexCoord0, platform::VertexFormat::Float2, 12},
                                              {platform::VertexSemantic::TexCoord1, platform::VertexFormat::Float2, 20}},
                                             sizeof(BeamVertex));
  return layout;
}

void SetVector3(platform::EffectProgram& program, const char* name, const platform::Vector3& v) {
  const float values[3] = {v.x, v.y, v.z};
  program.SetFloatArray(name, values, 3);
}

}  // namespace

void LaserPass::Remove(LaserBeam* beam) { std::erase(beams_, beam); }

void LaserPass::Draw(Graphics& graphics, const Camera& camera) {
  EffectManager* effects = graphics.GetEffectManager();
  Effect* laser = effects ? effects->Get("Laser") : nullptr;
  platform::RenderDevice* device = graphics.GetDevice();
  if (!laser || !device || beams_.empty()) return;
  platform::EffectProgram& program = laser->Program();
  SetVector3(program, "viewVector", camera.direction);
  program.SetTechnique("Laser");
  unsigned passes = 0;
  program.Begin(&passes);
  for (unsigned pass = 0; pass < passes; ++pass) {
    program.BeginPass(pass);
    for (LaserBeam* beam : beams_) {
      SetVector3(program, "laserDirection", beam->GetBeamDirection());
      program.CommitChanges();
      if (const BeamVertex* corners = beam->DrawBeam())
        device->DrawPrimitiveUP(platform::PrimitiveType::TriangleFan, BeamLayout(), corners, 2);
    }
    program.EndPass();
  }
  program.End();
}
