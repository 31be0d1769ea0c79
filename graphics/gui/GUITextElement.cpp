#include "graphics/gui/GUITextElement.h"

#include "engine/Engine.h"
#include "graphics/Graphics.h"
#include "graphics/gui/GUIText.h"

void GUITextElement::Init() {
  Graphics* graphics = Engine::Get()->GetGraphics();
  FontManager* fonts = graphics ? graphics->GetFontManager() : nullptr;
  font = fonts ? fonts->Get(FontName) : nullptr;
}

void GUITextElement::SetFont(const std::string& name) {
  FontName = name;
  Init();
}

const std::string& GUITextElement::ShownText() const {
  // The frame rate has its own display; an "fps" element shows its text unless it names it.
  if (VariableName.empty() || (VariableName == "fps" && !showName)) return Text;
  // Kept between frames so that a menu frame asks nothing of the heap.
  std::string& value = shown_;
  value.clear();
  Engine::Get()->GetVariableTable()->Get(VariableName, value);
  if (showName) value.insert(0, VariableName + " = ");
  return value;
}

void GUITextElement::Draw(const GUIPoint* offset) {
  if (!font) return;
  GUIPoint position = Rect.topLeft;
  if (offset) {
    position.x += offset->x;
    position.y += offset->y;
  }
  const platform::IntRect drawn = DrawTextWithFont(*font, position, ShownText(), Color);
  Rect.width = drawn.Width();
  Rect.height = drawn.Height();
}

void GUITextElement::CenterHorizontally() {
  const GUIPoint outOfSight{-1024, -1024};
  Draw(&outOfSight);
  Rect.topLeft.x = static_cast<float>(512 - Rect.width / 2);
}
