#pragma once
#include <string>

#include "platform/math/Color.h"

// The graphics settings, "Data/GraphicsConfig.xml", in the file's field order. The values here
// are what a missing or incomplete file leaves in force and what the write-back writes.
struct GraphicsConfig {
  bool IntroVideo = false;
  bool FullScreen = false;
  bool Wireframe = false;
  bool VSync = false;
  bool ShaderDebug = false;
  bool DrawMap = true;
  bool Lightmaps = true;
  bool PostProcess = true;
  float CameraFollowDist = 100.0f;
  float CameraSpeed = 300.0f;
  platform::Color Ambient{0.4f, 0.4f, 0.4f, 1.0f};
  platform::Color AlarmColor{1.0f, 0.0f, 0.0f, 1.0f};
  std::string DefaultTexture;
};

inline constexpr char kGraphicsConfigPath[] = "Data/GraphicsConfig.xml";

// The field list, in file order (see entity/RecordFields.h).
template <class Fields>
void VisitFields(Fields& f, GraphicsConfig& c) {
  f("IntroVideo", c.IntroVideo);
  f("FullScreen", c.FullScreen);
  f("Wireframe", c.Wireframe);
  f("VSync", c.VSync);
  f("ShaderDebug", c.ShaderDebug);
  f("DrawMap", c.DrawMap);
  f("Lightmaps", c.Lightmaps);
  f("PostProcess", c.PostProcess);
  f("CameraFollowDist", c.CameraFollowDist);
  f("CameraSpeed", c.CameraSpeed);
  f("Ambient", c.Ambient);
  f("AlarmColor", c.AlarmColor);
  f("DefaultTexture", c.DefaultTexture);
}

void LoadGraphicsConfig(GraphicsConfig& config, const std::string& path);
void SaveGraphicsConfig(const GraphicsConfig& config, const std::string& path);
