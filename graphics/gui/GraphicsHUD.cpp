#include "graphics/gui/GraphicsHUD.h"

#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HudDigits.h"
#include "graphics/gui/HudGadgets.h"
#include "graphics/gui/HudPlayer.h"
#include "graphics/gui/HudSeams.h"

namespace {

GUISpriteElement* FindSprite(Graphics& graphics, const char* name) {
  GUI* gui = graphics.GetGUI();
  return gui ? gui->GetSpriteElements().Get(name) : nullptr;
}

}  // namespace

// While a white fade runs the overlay is composed in scene texture A (cleared with the scene),
// which the "FadeWhite" pass then brings to the screen.
void GraphicsHUD::BeginOverlay() {
  graphics_.GetDevice()->SetRenderTarget(whiteFade_ ? graphics_.GetSceneTarget() : nullptr);
}

void GraphicsHUD::ComposeWhiteFade() {
  if (whiteFade_) graphics_.PostProcessPass("FadeWhite", nullptr, graphics_.GetSceneTarget()->GetTexture());
}

bool GraphicsHUD::ShowsSpriteLayer() const {
  return graphics_.GetActiveCamera() && !(game_ && game_->IsBusted());
}

// The bar shows as many pixels of its picture as the battery holds, 48 when full.
void GraphicsHUD::UpdateBatteryMeter() {
  GUISpriteElement* meter = FindSprite(graphics_, "BatteryMeter");
  const HudGadgetUser* thief = HudThief();
  if (!meter || !thief) return;
  meter->Rect.width = static_cast<int32_t>(static_cast<float>(thief->GetBattery()) * 0.48f);
  meter->BuildFrames();
}

// Money, clock and ammunition over a running round, and the sign that a door can be entered.
void GraphicsHUD::DrawLayer() {
  if (!game_ || !game_->IsInGame() || game_->GetRoundTimeLeft() <= 0 || game_->IsOverlayActive() ||
      graphics_.IsTransitionRunning())
    return;
  const GameView* view = graphics_.GetGameView();
  if (view && view->IsFlyThroughRunning()) return;
  const HudGadgetUser* thief = HudThief();
  if (thief) DrawHudNumber(static_cast<int>(thief->GetMoney()), 145, 55, 0.8f, 1.0f);
  DrawHudClock(395, 55, game_->GetRoundTimeLeft());
  UpdateAmmoText();
  if (GUISpriteElement* door = FindSprite(graphics_, "EnterDoor")) {
    if (thief && thief->IsAtTeleporter()) {
      door->SetPosition(256, 650);
    } else {
      door->SetPosition(-1024, -1024);
    }
  }
}
