#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/FramePulses.h"
#include "graphics/GameModelWorld.h"
#include "graphics/LaserPass.h"
#include "graphics/ModelRecord.h"
#include "graphics/SpotLightList.h"
#include "platform/math/Matrix.h"
#include "platform/math/Vector.h"

class Camera;
class Graphics;
class ModelComp;
namespace platform {
class EffectProgram;
}

// Sets the technique by the number of spot lights (none, one, two or more) and the first two
// lights' slots.
void SetSpotLights(platform::EffectProgram& program, const std::vector<SpotLightRecord>& spots);

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

  // Null restores the running game's world.
  void SetWorld(ModelWorld* world) { world_ = world ? world : &defaultWorld_; }
  ModelWorld& World() { return *world_; }

  // The 3-D part of a frame seen from the active camera: the ambient light (pulsing while
  // "AlarmOn" is set), view and frustum, fill mode, effect transforms and the taser flash, the
  // map, debug shapes, shadows, the model pass, the sorted pass and the laser beams.
  void DrawScene(Graphics& graphics);
  // The model pass: sorted models are held back for DrawDeferredModels.
  void DrawModels();
  // Draws the held-back models farthest from the active camera first.
  void DrawDeferredModels();
  // Blob shadows under the visible models, with the "Shadow" effect.
  void DrawShadows(Graphics& graphics);

  const std::vector<ModelComp*>& GetDeferred() const { return deferred_; }
  const AlarmPulse& GetAlarmPulse() const { return alarmPulse_; }
  SpotLightList& GetSpotLights() { return spotLights_; }
  LaserPass& GetLasers() { return lasers_; }
  // The spot lights near the model being drawn; kept between draws so that they allocate
  // nothing once it has grown.
  std::vector<SpotLightRecord>& NearLights() { return nearLights_; }

 private:
  void SetLights(Graphics& graphics, float delta);
  void SetUpEffects(Graphics& graphics, const platform::Matrix& view, float delta);

  std::vector<ModelComp*> models_;
  std::vector<ModelComp*> deferred_;
  std::vector<ModelComp*> drawList_;
  Camera* camera_ = nullptr;
  GameModelWorld defaultWorld_;
  ModelWorld* world_ = &defaultWorld_;
  SpotLightList spotLights_;
  LaserPass lasers_;
  std::vector<SpotLightRecord> nearLights_;
  AlarmPulse alarmPulse_;
  TaserFlash taserFlash_;
};
