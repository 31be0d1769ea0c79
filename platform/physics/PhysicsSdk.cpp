#include "platform/physics/PhysicsSdk.h"

#include <algorithm>

namespace platform::physics {

PhysicsSdk::~PhysicsSdk() {
  // Newest first, as the game tears down what it built last first.
  while (!scenes_.empty()) scenes_.pop_back();
}

void PhysicsSdk::SetParameter(uint32_t parameter, float value) { parameters_[parameter] = value; }

float PhysicsSdk::GetParameter(uint32_t parameter) const {
  auto it = parameters_.find(parameter);
  return it == parameters_.end() ? 0.0f : it->second;
}

Scene* PhysicsSdk::CreateScene(const SceneDesc& desc) {
  scenes_.push_back(std::make_unique<Scene>(desc, *this));
  return scenes_.back().get();
}

void PhysicsSdk::ReleaseScene(Scene* scene) {
  auto it = std::find_if(scenes_.begin(), scenes_.end(), [&](const auto& s) { return s.get() == scene; });
  if (it != scenes_.end()) scenes_.erase(it);
}

uint32_t PhysicsSdk::GetNbScenes() const { return static_cast<uint32_t>(scenes_.size()); }

}  // namespace platform::physics
