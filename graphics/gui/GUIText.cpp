#include "graphics/gui/GUIText.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"

platform::IntRect DrawTextWithFont(platform::Font& font, const GUIPoint& position, const std::string& text,
                                   const platform::Color& color) {
  const int x = static_cast<int>(position.x), y = static_cast<int>(position.y);
  platform::IntRect rect{x, y, x, y};
  Graphics* graphics = Engine::Get()->GetGraphics();
  platform::SpriteBatch* batch = graphics ? graphics->GetSprite() : nullptr;
  if (batch) batch->SetTransform(platform::MatrixIdentity().Data());
  const uint32_t argb = platform::ColorToArgb(color);
  rect.bottom = rect.top + font.DrawText(batch, text, &rect, platform::TextCalcRect, argb);
  if (rect.right >= 0 && rect.left < 1025 && rect.bottom >= 0 && rect.top < 769) {
    platform::IntRect drawn = rect;
    font.DrawText(batch, text, &drawn, platform::TextLeft | platform::TextTop, argb);
  }
  return rect;
}
