#include "graphics/Screenshot.h"

#include "engine/Engine.h"
#include "platform/render/RenderDevice.h"

void Screenshot::SaveIfRequested(platform::RenderDevice& device) {
  if (path_.empty()) return;
  // The frame ends on the back buffer, but a pass may have left a target of its own current.
  if (device.GetRenderTarget()) device.SetRenderTarget(nullptr);
  if (!device.SaveScreenshot(path_)) Engine::Get()->GetLog()->Write("GraphicsLog", "Could not save the screenshot " + path_, 2);
  path_.clear();
}
