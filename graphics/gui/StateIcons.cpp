#include "graphics/gui/StateIcons.h"

#include <vector>

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HudSeams.h"
#include "platform/render/RenderDevice.h"

namespace {

const char* IconOf(const std::string& action) {
  if (action == "sleep") return "sleeping";
  if (action == "surprise") return "surprise";
  if (action == "confuse") return "confused";
  return nullptr;
}

// A missing sprite shows nothing.
void DrawIcon(SpriteElementManager& sprites, const std::string& name, const platform::Vector3& at, float rise,
              bool centred) {
  GUISpriteElement* sprite = sprites.Get(name);
  if (!sprite) return;
  sprite->worldPositioned = true;
  if (centred) sprite->SetCenter(128, 0, 0);
  sprite->SetWorldPosition(at.x, at.y, at.z + rise);
  sprite->Draw();
}

}  // namespace

void DrawStateIcons() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  HudGame* game = graphics->GetHudGame();
  platform::SpriteBatch* batch = graphics->GetSprite();
  platform::RenderDevice* device = graphics->GetDevice();
  if (!game || game->IsOverlayActive() || graphics->IsTransitionRunning() || !graphics->GetGUI() || !batch || !device)
    return;
  SpriteElementManager& sprites = graphics->GetGUI()->GetSpriteElements();
  // Kept between frames so that a frame in game allocates nothing once they have grown.
  static std::vector<GuardMark> guards;
  static std::vector<PlaceMark> places;
  constexpr unsigned kFlags = platform::SpriteBillboard | platform::SpriteAlphaBlend;
  batch->SetWorldView(platform::MatrixIdentity().Data(), device->GetTransform(platform::TransformKind::View));

  batch->Begin(kFlags);
  game->GetGuards(guards);
  for (const GuardMark& guard : guards) {
    const char* icon = guard.modelDrawn ? IconOf(guard.action) : nullptr;
    if (icon) DrawIcon(sprites, icon, guard.position, 160.0f, false);
  }
  batch->End();

  device->SetZEnable(false);
  batch->Begin(kFlags);
  game->GetTeleporters(places);
  for (const PlaceMark& teleporter : places) {
    if (teleporter.visible) DrawIcon(sprites, teleporter.label, teleporter.position, 50.0f, true);
  }
  game->GetDropoffs(places);
  for (const PlaceMark& dropoff : places) {
    if (dropoff.visible) DrawIcon(sprites, "Dropoff", dropoff.position, 50.0f, true);
  }
  batch->End();
  device->SetZEnable(true);
}
