#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "platform/physics/Scene.h"

namespace platform::physics {

// Parameters the game sets by number. Others are stored and have no effect.
enum SdkParameter : uint32_t {
  kParamContinuousCollision = 8,  // above 0: fast dynamic bodies do not pass through thin walls
  kParamVisualizationScale = 9,   // above 0: Scene::Visualize gathers debug geometry
};

// The root object: parameters and the scenes made from them.
class PhysicsSdk {
 public:
  PhysicsSdk() = default;
  ~PhysicsSdk();  // releases the scenes not yet released
  PhysicsSdk(const PhysicsSdk&) = delete;
  PhysicsSdk& operator=(const PhysicsSdk&) = delete;

  void SetParameter(uint32_t parameter, float value);
  float GetParameter(uint32_t parameter) const;  // 0 when never set

  Scene* CreateScene(const SceneDesc& desc);
  void ReleaseScene(Scene* scene);  // ignores null and scenes of another object
  uint32_t GetNbScenes() const;

 private:
  std::map<uint32_t, float> parameters_;
  std::vector<std::unique_ptr<Scene>> scenes_;
};

}  // namespace platform::physics
