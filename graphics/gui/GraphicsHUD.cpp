// The graphics system's HUD in the frame: the battery meter, the overlay's target while a
// white fade runs, the gate of the 3-D sprite layer, the HUD layer over the game and the
// closing white fade.
#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HudDigits.h"
#include "graphics/gui/HudGadgets.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"

// While a white fade runs the overlay is composed in scene texture A (cleared with the scene),
// which the "FadeWhite" pass then brings to the screen.
void Graphics::BeginOverlay() { device_->SetRenderTarget(whiteFade_ ? sceneTarget_.get() : nullptr); }

void Graphics::ComposeWhiteFade() {
  if (whiteFade_) PostProcessPass("FadeWhite", nullptr, sceneTarget_->GetTexture());
}

bool Graphics::ShowsSpriteLayer() const {
  return GetActiveCamera() && !(hudGame_ && hudGame_->IsBusted());
}

// The bar shows as many pixels of its picture as the battery holds, 48 when full.
void Graphics::UpdateBatteryMeter() {
  GUISpriteElement* meter = gui_ ? gui_->GetSpriteElements().Get("BatteryMeter") : nullptr;
  const HudGadgetUser* thief = HudThief();
  if (!meter || !thief) return;
  meter->Rect.width = static_cast<int32_t>(static_cast<float>(thief->GetBattery()) * 0.48f);
  meter->BuildFrames();
}

// Money, clock and ammunition over a running round, and the sign that a door can be entered.
void Graphics::DrawHUDLayer() {
  if (!hudGame_ || !hudGame_->IsInGame() || hudGame_->GetRoundTimeLeft() <= 0 || hudGame_->IsOverlayActive() ||
      transitionRunning_)
    return;
  if (gameView_ && gameView_->IsFlyThroughRunning()) return;
  const HudGadgetUser* thief = HudThief();
  if (thief) DrawHudNumber(static_cast<int>(thief->GetMoney()), 145, 55, 0.8f, 1.0f);
  DrawHudClock(395, 55, hudGame_->GetRoundTimeLeft());
  UpdateAmmoText();
  if (GUISpriteElement* door = gui_ ? gui_->GetSpriteElements().Get("EnterDoor") : nullptr) {
    if (thief && thief->IsAtTeleporter()) {
      door->SetPosition(256, 650);
    } else {
      door->SetPosition(-1024, -1024);
    }
  }
}
