#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/PhysicsDebugView.h"
#include "graphics/VideoPlayer.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "graphics/gui/HUDAnimation.h"
#include "graphics/gui/StateIcons.h"

// The frame. The 3-D part seen from the active camera (map faces, shadows, models, lasers),
// the 3-D sprite layer, the HUD, GUI screens, cursor, variable panel and the white fade take
// their places in this order as their subsystems arrive.
void Graphics::Render() {
  if (!device_) return;
  if (VideoPlayer* video = VideoPlayer::Current()) return DrawIntroVideo(*video);
  // A white fade is for the menus: a frame seen from a camera ends it.
  if (modelScene_.GetActiveCamera()) whiteFade_ = false;
  // Over an empty scene (no camera) the post chain would only turn black into black, so it runs
  // with a 3-D part, or while the transition's closing pass shows its loading picture. Without
  // it the frame is cleared where the overlay goes: texture A during a white fade.
  const bool postChain = blurOn_ && (modelScene_.GetActiveCamera() || transitionRunning_);
  device_->SetRenderTarget(postChain || whiteFade_ ? sceneTarget_.get() : nullptr);
  device_->Clear(platform::ClearTarget | platform::ClearDepth | platform::ClearStencil, 0xFF000000, 1.0f, 0);
  // The 3-D part (map faces, debug shapes, shadows, models) runs whenever a camera is active;
  // "Show Map" and "Show Models" gate their own passes inside it.
  modelScene_.DrawScene(*this);
  if (modelScene_.GetActiveCamera()) UpdateBatteryMeter();

  device_->SetZWrite(false);
  if (postChain) RunPostChain();
  device_->SetZWrite(true);

  BeginOverlay();
  if (ShowsSpriteLayer()) {
    DrawStateIcons();
    if (particles_)
      particles_->Render(*device_, *textures_, static_cast<int32_t>(modelScene_.World().GetCurrentMapIndex()));
  }
  sprite_->Begin(platform::SpriteAlphaBlend);
  animations_->Update();
  DrawGUIScreens();
  DrawHUDLayer();
  DrawGUICursor();
  panel_->Draw();
  sprite_->End();
  Engine::Get()->GetConsole()->Draw();
  ComposeWhiteFade();
  device_->Present();
  numModels_ = 0;
  mapFacesDrawn_ = 0;
  mapTrisDrawn_ = 0;
}

void Graphics::RunPostChain() {
  PostProcessPass("Blur", postTarget_.get(), sceneTarget_->GetTexture());
  // The overlay pass takes its place after the transition once the game logic has the overlay.
  const char* closing = transitionRunning_ ? "Transition" : edgeOn_ ? "Edge" : "Emblem";
  PostProcessPass(closing, nullptr, postTarget_->GetTexture());
}

void Graphics::DrawConsoleText(const std::string& text, int x, int y, uint32_t argb) {
  if (!consoleFont_) return;
  platform::IntRect rect{x, y, x, y};
  consoleFont_->DrawText(nullptr, text, &rect, platform::TextLeft | platform::TextTop | platform::TextNoClip, argb);
}

// While the film plays the frame is only the film, over the window's white background.
void Graphics::DrawIntroVideo(const VideoPlayer& video) {
  device_->SetRenderTarget(nullptr);
  device_->Clear(platform::ClearTarget | platform::ClearDepth, 0xFFFFFFFF, 1.0f, 0);
  sprite_->Begin(platform::SpriteAlphaBlend);
  video.Draw(*sprite_);
  sprite_->End();
  device_->Present();
}

void Graphics::DrawDebugShapes() {
  if (drawPhysics_ && physicsView_) physicsView_->DrawWorld();
  if (drawShapes_ && debugDraw_) debugDraw_->Render(*device_, effects_->Get("CelShader"), placeholderTexture_);
}
