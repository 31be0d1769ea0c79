#include "graphics/GraphicsDevice.h"

#include <cstdlib>

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/EffectManager.h"
#include "platform/render/VertexLayout.h"

namespace {

// What the window or GL library answered goes on a line of its own, under the line players know.
[[noreturn]] void FailDeviceCreation(const std::string& reason) {
  Engine* engine = Engine::Get();
  engine->GetConsole()->Print("Failed creating device! " + reason, Console::kWhite);
  engine->GetMainWindow()->ShowMessageBox(
      "Error creating Direct3D Device - check your video card drivers!" + (reason.empty() ? "" : "\n" + reason),
      "Fatal error!");
  std::exit(EXIT_FAILURE);
}

}  // namespace

GraphicsDevice::GraphicsDevice() = default;
GraphicsDevice::~GraphicsDevice() = default;

void GraphicsDevice::Create(MainWindow& window, bool vsync, bool fullScreen) {
  platform::DeviceSettings settings;
  settings.vsync = vsync;
  settings.fullScreen = fullScreen;
  device_ = std::make_unique<platform::RenderDevice>();
  std::string error;
  if (!window.GetPlatformWindow().IsOpen()) FailDeviceCreation(window.GetPlatformWindow().Error());
  if (!device_->Create(window.GetPlatformWindow(), settings, &error)) FailDeviceCreation(error);
  sprite_ = std::make_unique<platform::SpriteBatch>(*device_);
  consoleFont_ = platform::Font::Create(*device_, "Arial", 15, 900, &error);
  device_->Clear(platform::ClearTarget | platform::ClearDepth | platform::ClearStencil, 0xFF000000, 1.0f, 0);

  // The post-processing targets and the full-screen quad cover the back buffer, whatever its
  // size: 1024 x 768, or 1280 x 720 in wide-screen mode.
  const int width = device_->BackBufferWidth();
  const int height = device_->BackBufferHeight();
  sceneTarget_ = platform::RenderTarget::Create(*device_, width, height, platform::TargetDepth::Shared, &error);
  postTarget_ = platform::RenderTarget::Create(*device_, width, height, platform::TargetDepth::Shared, &error);
  if (!sceneTarget_ || !postTarget_) FailDeviceCreation(error);
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float quad[4][6] = {{0, 0, 0, 1, 0, 0}, {0, h, 0, 1, 0, 1}, {w, 0, 0, 1, 1, 0}, {w, h, 0, 1, 1, 1}};
  screenQuad_ = std::make_unique<platform::VertexBuffer>(*device_, sizeof quad, platform::BufferUsage::Static, quad);
}

void GraphicsDevice::Release() {
  screenQuad_.reset();
  sceneTarget_.reset();
  postTarget_.reset();
  consoleFont_.reset();
  sprite_.reset();
  device_.reset();
}

void GraphicsDevice::PostProcessPass(EffectManager& effects, const char* name, platform::RenderTarget* target,
                                     const platform::Texture& source) {
  device_->SetRenderTarget(target);
  Effect* effect = effects.Get(name);
  platform::EffectProgram* program = effect ? effect->GetEffect() : nullptr;
  if (program) program->SetTexture("baseTex", &source);
  unsigned passes = 0;
  if (!program || !program->Begin(&passes) || passes == 0 || !program->BeginPass(0)) {
    device_->Clear(platform::ClearTarget, 0xFF000000, 1.0f, 0);
    if (program) program->End();
    return;
  }
  // The quad covers the whole target, so what the target held shows only through a pass that
  // blends, tests alpha or is cut by the scissor: only then is it cleared first.
  const platform::RenderState& state = device_->GetState();
  if (state.alphaBlend || state.alphaTest || state.scissorTest) device_->Clear(platform::ClearTarget, 0xFF000000, 1.0f, 0);
  device_->DrawPrimitive(platform::PrimitiveType::TriangleStrip, *screenQuad_, platform::VertexLayout::ScreenTexture(), 0, 2);
  program->EndPass();
  program->End();
}

void GraphicsDevice::DrawConsoleText(const std::string& text, int x, int y, uint32_t argb) {
  if (!consoleFont_) return;
  platform::IntRect rect{x, y, x, y};
  consoleFont_->DrawText(nullptr, text, &rect, platform::TextLeft | platform::TextTop | platform::TextNoClip, argb);
}
