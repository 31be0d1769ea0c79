#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "entity/Component.h"
#include "platform/math/Matrix.h"
#include "platform/math/Quaternion.h"
#include "platform/math/Vector.h"
#include "platform/xfile/AnimationController.h"

class Effect;
class ModelRecord;
class PhysicalComp;

// Gives an entity a visible model, found as "Model" and saved as "ModelComp": the shared
// model record, this user's own animation controller, the placement that turns the owner's
// "Physical" pose into a world matrix, and the switches the model passes read.
class ModelComp : public Component {
 public:
  static constexpr char kComponentName[] = "Model";
  ModelComp();
  ~ModelComp() override;
  ModelComp(const ModelComp&) = delete;
  ModelComp& operator=(const ModelComp&) = delete;

  // Loads the saved model name (if any), registers with the graphics system, starts on
  // animation set 0 and takes the owner's place.
  void Activate() override;
  // Loads or shares a model; the saved name is left as it is. Unknown names leave no model.
  void Load(const std::string& name);
  // Switches the animation set when the index is new and below the model's set count.
  void SetAnimation(uint32_t index);
  void SetEffect(const std::string& name);
  // Outfits are the loaded model's texture-swap list: WearOutfits turns that list on for the
  // model (for everyone who shares it), SetOutfit picks the entry the next draw shows. Owners
  // that wear outfits set theirs just before each draw. Without a model both do nothing.
  void WearOutfits();
  void SetOutfit(int32_t outfit);
  void PlaceAtOwner();
  // worldMatrix = T(-pivot) x R(meshRotation) x R(orientation) x S(scale) x T(position + offset).
  void UpdateWorldMatrix();
  // Animates, sets the lights and transforms, and draws with every pass of the technique.
  void Draw();
  // The frame of that name in the model's hierarchy, or -1 (also without a model).
  int32_t FindFrame(const std::string& name) const;
  // The model's shadow size; 0 without a model.
  float GetShadowSize() const;
  // The world-space bounding sphere of the model as last placed.
  platform::Vector4 GetWorldBoundingSphere() const;

  ModelRecord* GetModel() const { return model_; }
  Effect* GetEffect() const { return effect_; }
  uint32_t GetCurrentAnimation() const { return currentAnimation_; }
  const platform::xfile::AnimationController* GetController() const { return controller_.get(); }

  platform::Matrix worldMatrix = platform::MatrixIdentity();
  platform::Matrix inverseWorldTranspose = platform::MatrixIdentity();
  std::string modelName;
  uint8_t visible = 1;
  uint8_t fixedLight = 0;
  uint8_t turning = 0;
  platform::Quaternion meshRotation{0, 0, 0, 1};
  platform::Vector3 pivotOffset;
  platform::Vector3 positionOffset;
  uint8_t sorted = 0;
  float animationSpeed = 1.0f;
  uint8_t notDrawnThisFrame = 0;
  uint8_t mapCulled = 1;
  uint8_t outlinePasses = 1;
  platform::Vector3 position;
  platform::Quaternion orientation{0, 0, 0, 1};
  float scale = 1.0f;

 private:
  void ReleaseModel();
  PhysicalComp* OwnerPhysical() const;
  void Animate(PhysicalComp* physical);

  std::unique_ptr<platform::xfile::AnimationController> controller_;
  ModelRecord* model_ = nullptr;
  Effect* effect_ = nullptr;
  uint32_t currentAnimation_ = 0;
};

// The quaternion of a MeshInfo rotation: normalised, and no rotation at all for a zero one,
// which would otherwise turn every vertex into NaN.
platform::Quaternion NormalisedMeshRotation(const platform::Quaternion& rotation);
