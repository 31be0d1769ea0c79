#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/FramePulses.h"
#include "graphics/ModelRecord.h"
#include "platform/math/Matrix.h"
#include "platform/math/Vector.h"

class Camera;
class Graphics;
class ModelComp;
namespace platform {
class EffectProgram;
}

// The directional light of a place: its colour and direction. The default is the fixed light.
struct ModelLight {
  platform::Vector3 colour{0.5f, 0.5f, 0.5f};
  platform::Vector3 direction{0, 1, 0.5f};
};

// A guard's spot light near a model.
struct SpotLight {
  platform::Vector3 position;
  platform::Vector3 direction;
};

// What the model passes ask of the world around them: the level's lights, the current map and
// its visibility, the fly-through and the floor below a model. The level and map subsystems
// implement it; until they hand one over, every model is lit by the fixed light, is in the
// current map, is visible, and casts no shadow.
class ModelWorld {
 public:
  virtual ~ModelWorld() = default;
  virtual ModelLight GetLight(const platform::Vector3& /*position*/) { return {}; }
  virtual void GetSpotLights(const platform::Vector3& /*centre*/, float /*radius*/, std::vector<SpotLight>& /*out*/) {}
  virtual uint32_t GetCurrentMapIndex() { return 0; }
  // Whether the current map sees the cluster from the camera's cluster.
  virtual bool IsClusterVisible(int32_t /*cluster*/) { return true; }
  // Straight down from a point: the distance to the floor and its normal; false on a miss.
  virtual bool CastDown(const platform::Vector3& /*from*/, float* /*distance*/, platform::Vector3* /*normal*/) {
    return false;
  }
};

// Sets the technique by the number of spot lights (none, one, two or more) and the first two
// lights' slots.
void SetSpotLights(platform::EffectProgram& program, const std::vector<SpotLight>& spots);

// The world matrix of a model's blob shadow, or none when it casts none: no shadow size, a
// downward ray that found no floor, or a model so high that the shadow would shrink past
// nothing (it would turn inside out).
std::optional<platform::Matrix> ShadowWorld(const platform::Vector3& position, float shadowSize,
                                            float floorDistance, const platform::Vector3& floorNormal);

// What a model record's draw takes from the graphics system.
ModelRecord::DrawContext MakeDrawContext(Graphics& graphics, const ModelRecord& model);

// The models the graphics system draws: the list model components join when they activate,
// the active camera, and the passes that decide per model whether it is drawn now, later
// (sorted, back to front) or not at all, telling the owner before and after.
class ModelScene {
 public:
  void AddModel(ModelComp* model) { models_.push_back(model); }
  void RemoveModel(ModelComp* model);
  const std::vector<ModelComp*>& GetModels() const { return models_; }

  void SetActiveCamera(Camera* camera) { camera_ = camera; }
  Camera* GetActiveCamera() const { return camera_; }

  // Null restores the default world.
  void SetWorld(ModelWorld* world) { world_ = world ? world : &defaultWorld_; }
  ModelWorld& World() { return *world_; }

  // The 3-D part of a frame seen from the active camera: the ambient light (pulsing while
  // "AlarmOn" is set), view and frustum, fill mode, effect transforms and the taser flash, the
  // map, debug shapes, shadows, the model pass and the sorted pass.
  void DrawScene(Graphics& graphics);
  // The model pass: sorted models are held back for DrawDeferredModels.
  void DrawModels();
  // Draws the held-back models farthest from the active camera first.
  void DrawDeferredModels();
  // Blob shadows under the visible models, with the "Shadow" effect.
  void DrawShadows(Graphics& graphics);

  const std::vector<ModelComp*>& GetDeferred() const { return deferred_; }
  const AlarmPulse& GetAlarmPulse() const { return alarmPulse_; }

 private:
  void SetLights(Graphics& graphics, float delta);
  void SetUpEffects(Graphics& graphics, const platform::Matrix& view, float delta);

  std::vector<ModelComp*> models_;
  std::vector<ModelComp*> deferred_;
  Camera* camera_ = nullptr;
  ModelWorld defaultWorld_;
  ModelWorld* world_ = &defaultWorld_;
  AlarmPulse alarmPulse_;
  TaserFlash taserFlash_;
};
