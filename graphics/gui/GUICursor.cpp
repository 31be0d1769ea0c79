#include "graphics/gui/GUICursor.h"

#include "engine/MainWindow.h"
#include "graphics/InputView.h"

GUICursor::GUICursor() {
  sprite.SetTexture("gui/cursor.bmp");
  sprite.BuildFrames();
  sprite.SetPosition(static_cast<int32_t>(position.x), static_cast<int32_t>(position.y));
}

void GUICursor::Move(int32_t dx, int32_t dy, int width, int height) {
  position.x += static_cast<float>(dx);
  position.y += static_cast<float>(dy);
  if (position.x < 0) position.x = 0;
  if (position.y < 0) position.y = 0;
  if (position.x > static_cast<float>(width)) position.x = static_cast<float>(width);
  if (position.y > static_cast<float>(height)) position.y = static_cast<float>(height);
  sprite.SetPosition(static_cast<int32_t>(position.x), static_cast<int32_t>(position.y));
}

void GUICursor::Update(const InputView& input) {
  const MainWindow* window = MainWindow::Instance();
  Move(input.GetMouseDeltaX(), input.GetMouseDeltaY(), window->GetWidth(), window->GetHeight());
}
