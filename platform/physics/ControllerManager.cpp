#include <algorithm>
#include <cmath>

#include "platform/physics/Controller.h"
#include "platform/physics/bullet/CharacterController.h"

namespace platform::physics {
namespace {

bool Positive(float v) { return std::isfinite(v) && v > 0; }

bool Usable(const ControllerDesc& d) {
  const bool size = d.type == ControllerType::Box
                        ? Positive(d.extents.x) && Positive(d.extents.y) && Positive(d.extents.z)
                        : Positive(d.radius) && std::isfinite(d.height) && d.height >= 0;
  return size && d.position.IsFinite() && std::isfinite(d.skinWidth) && d.skinWidth >= 0 &&
         std::isfinite(d.stepOffset) && d.stepOffset >= 0 && std::isfinite(d.slopeLimit);
}

}  // namespace

ControllerManager::ControllerManager() = default;
ControllerManager::~ControllerManager() { PurgeControllers(); }

Controller* ControllerManager::CreateController(Scene* scene, const ControllerDesc& desc) {
  if (!scene || !Usable(desc)) return nullptr;
  controllers_.push_back(std::make_unique<bullet::CharacterController>(scene->GetImpl(), desc));
  return controllers_.back().get();
}

void ControllerManager::ReleaseController(Controller* controller) {
  auto it = std::find_if(controllers_.begin(), controllers_.end(),
                         [&](const auto& c) { return c.get() == controller; });
  if (it != controllers_.end()) controllers_.erase(it);
}

uint32_t ControllerManager::GetNbControllers() const { return static_cast<uint32_t>(controllers_.size()); }

void ControllerManager::PurgeControllers() {
  while (!controllers_.empty()) controllers_.pop_back();
}

}  // namespace platform::physics
