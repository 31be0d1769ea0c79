#include "graphics/gui/GraphicsGUI.h"

#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HudSeams.h"

GraphicsGUI::GraphicsGUI(Graphics& graphics) : graphics_(graphics) {}
GraphicsGUI::~GraphicsGUI() = default;

void GraphicsGUI::Init() {
  gui_ = std::make_unique<GUI>();
  gui_->Init();
}

void GraphicsGUI::Release() { gui_.reset(); }

void GraphicsGUI::UpdateCursor(const InputView* input) {
  if (gui_ && input) gui_->GetCursor()->Update(*input);
}

void GraphicsGUI::UpdateSlide() {
  if (gui_) gui_->UpdateSlide(static_cast<float>(Engine::Get()->GetTimer()->GetDelta()));
}

void GraphicsGUI::ChangeScreen(const std::string& name, float time) {
  if (gui_) gui_->ChangeGUIScreen(name, time);
}

void GraphicsGUI::HandleClick() {
  if (gui_) gui_->HandleClick();
}

void GraphicsGUI::UpdateMenuSelection() {
  if (gui_) gui_->UpdateMenuSelection();
}

GUIScreen* GraphicsGUI::GetCurrentScreen() { return gui_ ? gui_->currentScreen : nullptr; }

GUIPoint GraphicsGUI::GetCursorPosition() {
  GUICursor* cursor = gui_ ? gui_->GetCursor() : nullptr;
  return cursor ? cursor->position : GUIPoint{};
}

// Without an active camera (the menus) the frame has no 3-D part and the screens' models are
// drawn with the depth test on.
bool GraphicsGUI::ModelsWithDepth() const { return graphics_.GetActiveCamera() == nullptr; }

void GraphicsGUI::DrawScreens(bool widescreen) {
  if (!gui_) return;
  GUIScreen* current = gui_->currentScreen;
  if (current) current->Update();
  // The background hides the game view, so it shows only outside a round with time left.
  const HudGame* game = graphics_.GetHudGame();
  const bool roundRunning = game && game->IsInGame() && game->GetRoundTimeLeft() > 0;
  if (gui_->backgroundScreen && !roundRunning) gui_->backgroundScreen->Draw(ModelsWithDepth());
  if (widescreen && current) current->offset.x = static_cast<float>((MainWindow::Instance()->GetWidth() - 1024) / 2);
  GameView* view = graphics_.GetGameView();
  if (current && view && !current->Proc.empty()) view->SendCommand(current->Proc);
  SetView();
  if (!view || !view->IsFlyThroughRunning()) gui_->DrawScreens(ModelsWithDepth());
}

// The 3-D GUI models stand before a camera 300 units back along -y, looking at the origin.
void GraphicsGUI::SetView() {
  const platform::Matrix view = platform::MatrixLookAtLH({0, -300, 0}, {0, 0, 0}, {0, 0, 1});
  const platform::Matrix& projection = graphics_.GetProjection();
  if (Effect* cel = graphics_.GetEffectManager()->Get("CelShader")) {
    const platform::Matrix world = platform::MatrixIdentity();
    cel->SetViewProjection(view, projection);
    cel->SetTransforms(world, world);
  }
  platform::Matrix viewProjection = platform::MatrixMultiply(view, projection);
  graphics_.GetFrustum().Build(viewProjection);
}

// In game the cursor shows only with the variable panel (which joins here once it exists).
void GraphicsGUI::DrawCursor() {
  if (gui_ && graphics_.GetActiveCamera() == nullptr) gui_->DrawCursor();
}
