#pragma once
#include <string>
#include <vector>

#include "graphics/Camera.h"
#include "graphics/ModelEnt.h"
#include "graphics/ModelScene.h"
#include "tests/graphics/GraphicsFixture.h"

// A level as the model passes see it: one light from behind the camera, the spot lights a
// test puts there, and a flat floor.
class SceneWorld : public ModelWorld {
 public:
  ModelLight GetLight(const platform::Vector3&) override {
    return {{0.6f, 0.6f, 0.6f}, platform::Vec3Normalize({-1, 0.4f, -0.8f})};
  }
  void GetSpotLights(const platform::Vector3&, float, std::vector<SpotLightRecord>& out) override {
    out.assign(spots.begin(), spots.end());
  }
  bool CastDown(const platform::Vector3& from, float* distance, platform::Vector3* normal) override {
    *distance = from.z - floorZ;
    *normal = {0, 0, 1};
    return from.z > floorZ;
  }

  std::vector<SpotLightRecord> spots;
  float floorZ = -40;
};

// The demo's models in a small room of debug boxes (a floor under them and a grey wall behind,
// so that their black outlines show), seen from the +x side by the active camera.
class SceneFixture : public GraphicsFixture {
 protected:
  SceneFixture();
  ~SceneFixture() override;

  // Starts the graphics with the scene's world and camera, post-processing off; with the game
  // logic as well when asked.
  void StartScene(bool withLogic = false);
  // A model entity standing at `position`, its face turned to the camera, on a still pose.
  ModelEnt* Show(const std::string& file, const platform::Vector3& position);
  // Draws a frame with the room around the models.
  void DrawRoom();
  // Moves the engine's clock and timer on.
  void Advance(double seconds);
  // The back buffer as RGBA bytes.
  std::vector<uint8_t> Frame();
  bool Matches(const std::string& golden, std::string* message);

  Camera camera;
  SceneWorld world;
};
