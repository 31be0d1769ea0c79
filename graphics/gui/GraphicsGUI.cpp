// The graphics system's GUI: building the screens at start-up, the per-frame GUI steps of the
// update and the frame, and the operations the game flow and the control schemes call.
#include "engine/Engine.h"
#include "engine/MainWindow.h"
#include "graphics/GameView.h"
#include "graphics/Graphics.h"
#include "graphics/gui/DebugVariablePanel.h"
#include "graphics/gui/GUI.h"
#include "graphics/gui/HudSeams.h"

void Graphics::InitGUI() {
  gui_ = std::make_unique<GUI>();
  gui_->Init();
}

void Graphics::UpdateGUICursor() {
  if (gui_) gui_->GetCursor()->Update();
}

void Graphics::UpdateGUISlide() {
  if (gui_) gui_->UpdateSlide(static_cast<float>(Engine::Get()->GetTimer()->GetDelta()));
}

void Graphics::ChangeGUIScreen(const std::string& name, float time) {
  if (gui_) gui_->ChangeGUIScreen(name, time);
}

void Graphics::HandleGUIClick() {
  if (gui_) gui_->HandleClick();
  if (panel_) panel_->Update(true);
}

void Graphics::UpdateMenuSelection() {
  if (gui_) gui_->UpdateMenuSelection();
}

GUIScreen* Graphics::GetCurrentScreen() { return gui_ ? gui_->currentScreen : nullptr; }

GUIPoint Graphics::GetCursorPosition() {
  GUICursor* cursor = gui_ ? gui_->GetCursor() : nullptr;
  return cursor ? cursor->position : GUIPoint{};
}

// Without an active camera (the menus) the frame has no 3-D part and the screens' models are
// drawn with the depth test on.
bool Graphics::GUIModelsWithDepth() { return GetActiveCamera() == nullptr; }

void Graphics::DrawGUIScreens() {
  if (!gui_) return;
  GUIScreen* current = gui_->currentScreen;
  if (current) current->Update();
  // The background hides the game view, so it shows only outside a round with time left.
  const bool roundRunning = hudGame_ && hudGame_->IsInGame() && hudGame_->GetRoundTimeLeft() > 0;
  if (gui_->backgroundScreen && !roundRunning) gui_->backgroundScreen->Draw(GUIModelsWithDepth());
  if (widescreen_ && current) current->offset.x = static_cast<float>((MainWindow::Instance()->GetWidth() - 1024) / 2);
  if (current && gameView_ && !current->Proc.empty()) gameView_->SendCommand(current->Proc);
  SetGUIView();
  if (!gameView_ || !gameView_->IsFlyThroughRunning()) gui_->DrawScreens(GUIModelsWithDepth());
}

// The 3-D GUI models stand before a camera 300 units back along -y, looking at the origin.
void Graphics::SetGUIView() {
  const platform::Matrix view = platform::MatrixLookAtLH({0, -300, 0}, {0, 0, 0}, {0, 0, 1});
  if (Effect* cel = effects_->Get("CelShader")) {
    cel->SetViewProjection(view, projection_);
    cel->SetTransforms(world_, world_);
  }
  platform::Matrix viewProjection = platform::MatrixMultiply(view, projection_);
  frustum_.Build(viewProjection);
}

// In game the cursor shows only with the variable panel (which joins here once it exists).
void Graphics::DrawGUICursor() {
  if (gui_ && GetActiveCamera() == nullptr) gui_->DrawCursor();
}
