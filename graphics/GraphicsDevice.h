#pragma once
#include <memory>
#include <string>

#include "platform/render/Buffers.h"
#include "platform/render/Font.h"
#include "platform/render/RenderDevice.h"
#include "platform/render/RenderTarget.h"
#include "platform/render/SpriteBatch.h"

class EffectManager;
class MainWindow;

// The render device on the main window and what the frame draws with beside the managers: the
// sprite batch, the console font, scene texture A and post texture B of the post-processing
// chain, and the full-screen quad of its passes. Each is null before Create and after Release.
class GraphicsDevice {
 public:
  GraphicsDevice();
  ~GraphicsDevice();

  // A device that cannot be made leaves nothing to run: the program tells the player and stops
  // with a failure status.
  void Create(MainWindow& window, bool vsync, bool fullScreen);
  void Release();

  platform::RenderDevice* Get() { return device_.get(); }
  platform::SpriteBatch* GetSprite() { return sprite_.get(); }
  platform::RenderTarget* GetSceneTarget() { return sceneTarget_.get(); }
  platform::RenderTarget* GetPostTarget() { return postTarget_.get(); }

  // One full-screen pass of effect `name` over `source` into `target` (null: the back buffer).
  void PostProcessPass(EffectManager& effects, const char* name, platform::RenderTarget* target,
                       const platform::Texture& source);
  // A line of console text with its top-left corner at (x, y).
  void DrawConsoleText(const std::string& text, int x, int y, uint32_t argb);

 private:
  std::unique_ptr<platform::RenderDevice> device_;
  std::unique_ptr<platform::SpriteBatch> sprite_;
  std::unique_ptr<platform::Font> consoleFont_;
  std::unique_ptr<platform::RenderTarget> sceneTarget_;
  std::unique_ptr<platform::RenderTarget> postTarget_;
  std::unique_ptr<platform::VertexBuffer> screenQuad_;
};
