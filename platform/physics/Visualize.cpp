#include <algorithm>

#include "platform/physics/PhysicsSdk.h"
#include "platform/physics/Scene.h"
#include "platform/physics/bullet/Convert.h"
#include "platform/physics/bullet/SceneImpl.h"

namespace platform::physics {
namespace {

uint32_t ToArgb(const btVector3& c) {
  const auto channel = [](float v) { return static_cast<uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f); };
  return 0xFF000000u | channel(c.x()) << 16 | channel(c.y()) << 8 | channel(c.z());
}

// Collects what the simulator draws into the scene's renderable.
class Collector : public btIDebugDraw {
 public:
  explicit Collector(DebugRenderable& out) : out_(out) {}

  void drawLine(const btVector3& from, const btVector3& to, const btVector3& color) override {
    out_.lines.push_back({bullet::FromBt(from), bullet::FromBt(to), ToArgb(color)});
  }
  void drawTriangle(const btVector3& a, const btVector3& b, const btVector3& c, const btVector3& color,
                    btScalar) override {
    out_.triangles.push_back({bullet::FromBt(a), bullet::FromBt(b), bullet::FromBt(c), ToArgb(color)});
  }
  void drawContactPoint(const btVector3&, const btVector3&, btScalar, int, const btVector3&) override {}
  void reportErrorWarning(const char*) override {}
  void draw3dText(const btVector3&, const char*) override {}
  void setDebugMode(int) override {}
  int getDebugMode() const override { return DBG_DrawWireframe; }

 private:
  DebugRenderable& out_;
};

}  // namespace

void Scene::Visualize() {
  impl_->debug = DebugRenderable{};
  if (!(impl_->sdk.GetParameter(kParamVisualizationScale) > 0)) return;
  Collector collector(impl_->debug);
  impl_->world.setDebugDrawer(&collector);
  impl_->world.debugDrawWorld();
  impl_->world.setDebugDrawer(nullptr);
}

const DebugRenderable& Scene::GetDebugRenderable() const { return impl_->debug; }

}  // namespace platform::physics
